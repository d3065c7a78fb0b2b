#include "ui/TPreviewForm.h"

#include "core/TSettingsFile.h"
#include "platform/Screen.h"
#include "ui/TDialogStrip.h"
#include "ui/TFormPlacement.h"
#include "ui/THelp.h"
#include "ui/TMagnifyCursor.h"
#include "ui/TPreviewPage.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int HelpTopic = 2039;
const QString PlacementName = QStringLiteral("TPreviewForm");

enum class TZoomPicture { zpIn, zpOut, zpPageWidth, zpPage };

// The zoom buttons' pictures: the lens with a plus or minus, a page with an
// arrow across it, and a whole page.
QIcon ZoomIcon(TZoomPicture picture)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QPen black(Qt::black, 2);
    painter.setPen(black);
    switch (picture) {
    case TZoomPicture::zpIn:
    case TZoomPicture::zpOut:
        painter.drawImage(0, 0, TMagnifyCursor::Image());
        painter.drawLine(4, 8, 11, 8);
        if (picture == TZoomPicture::zpIn)
            painter.drawLine(8, 4, 8, 11);
        break;
    case TZoomPicture::zpPageWidth:
        painter.fillRect(3, 2, 18, 20, Qt::white);
        painter.drawRect(3, 2, 18, 20);
        painter.drawLine(6, 12, 18, 12);
        painter.drawLine(6, 12, 9, 9);
        painter.drawLine(6, 12, 9, 15);
        painter.drawLine(18, 12, 15, 9);
        painter.drawLine(18, 12, 15, 15);
        break;
    case TZoomPicture::zpPage:
        painter.fillRect(6, 2, 12, 20, Qt::white);
        painter.drawRect(6, 2, 12, 20);
        painter.setPen(QPen(Qt::black, 1));
        for (int y = 6; y <= 16; y += 4)
            painter.drawLine(9, y, 15, y);
        break;
    }
    return QIcon(pixmap);
}

QToolButton *ZoomButton(QWidget *parent, const char *name, TZoomPicture picture, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ZoomIcon(picture));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(hint);
    return button;
}

} // namespace

TPreviewForm::TPreviewForm(QWidget *parent, const QByteArray &stream, const TSettingsFile *settings)
    : QDialog(parent), FJob(stream), FSettings(settings)
{
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(640, 600);
    FScrollBox = new QScrollArea(this);
    FScrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    FScrollBox->setAlignment(Qt::AlignCenter);
    FScrollBox->setBackgroundRole(QPalette::Dark);
    // The arrow keys are the window's: they scroll, they do not move focus.
    FScrollBox->setFocusPolicy(Qt::NoFocus);
    FPage = new TPreviewPage;
    FPage->OnMouseDown = [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            ZoomIn();
        else
            ZoomOut();
    };
    FScrollBox->setWidget(FPage);
    FScrollBox->viewport()->setCursor(TMagnifyCursor::Cursor());
    FPage->setCursor(TMagnifyCursor::Cursor());

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *zoomIn = ZoomButton(this, "sbZoomIn", TZoomPicture::zpIn, QStringLiteral("Zoom in"));
    auto *zoomOut = ZoomButton(this, "sbZoomOut", TZoomPicture::zpOut, QStringLiteral("Zoom out"));
    auto *pageWidth = ZoomButton(this, "sbZoomPageWidth", TZoomPicture::zpPageWidth, QStringLiteral("Page width"));
    auto *wholePage = ZoomButton(this, "sbZoomPage", TZoomPicture::zpPage, QStringLiteral("Whole page"));
    connect(zoomIn, &QToolButton::clicked, this, [this] { ZoomIn(); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { ZoomOut(); });
    connect(pageWidth, &QToolButton::clicked, this, [this] { SetZoomFactor(PageWidthFactor()); });
    connect(wholePage, &QToolButton::clicked, this, [this] { SetZoomFactor(WholePageFactor()); });
    auto *help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(help, &QPushButton::clicked, this, [this] { THelp::ShowTopic(this, HelpTopic); });
    auto *whatsThis = new QToolButton(this);
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(QStringLiteral("What's this?"));
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    for (QWidget *control : std::initializer_list<QWidget *>{ok, zoomIn, zoomOut, pageWidth, wholePage, help})
        control->setFocusPolicy(control == ok ? Qt::StrongFocus : Qt::NoFocus);

    auto *bar = new QHBoxLayout;
    bar->addWidget(ok);
    bar->addSpacing(12);
    bar->addWidget(zoomIn);
    bar->addWidget(zoomOut);
    bar->addWidget(pageWidth);
    bar->addWidget(wholePage);
    bar->addStretch();
    bar->addWidget(help);
    bar->addWidget(whatsThis);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FScrollBox, 1);
    layout->addLayout(bar);
    TDialogStrip::SetWhatsThis(*FScrollBox, QStringLiteral("The page as it will print. Click with the left "
                                                             "mouse button to zoom in, with the right to zoom out."));
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!FFirstActivation)
        return;
    if (FSettings)
        TFormPlacement::RestoreFormPlacement(*this, PlacementName, *FSettings);
    FCurrentPage = 0;
    PageChanged();
    SetZoomFactor(100);
    FFirstActivation = false;
}

void TPreviewForm::done(int result)
{
    if (FSettings) {
        try {
            TFormPlacement::SaveFormPlacement(*this, PlacementName, *FSettings);
        } catch (const std::exception &) {
            // A placement that cannot be kept is not worth keeping the window open for.
        }
    }
    QDialog::done(result);
}

void TPreviewForm::SetZoomFactor(int zoom)
{
    FZoom = std::clamp(zoom, MinZoom, MaxZoom);
    RedrawPage();
}

QSizeF TPreviewForm::PagePixelsAt100() const
{
    return FJob.PaperInches() * Screen::PixelsPerInch;
}

int TPreviewForm::PageWidthFactor() const
{
    const int available = FScrollBox->maximumViewportSize().width()
        - FScrollBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - TPreviewPage::ShadowDepth;
    const double framed = PagePixelsAt100().width() * (1 + 2 * TPreviewPage::MarginPercent / 100.0);
    return std::clamp(int(available * 100 / framed), MinZoom, MaxZoom);
}

int TPreviewForm::WholePageFactor() const
{
    const QSize available = FScrollBox->maximumViewportSize() - QSize(TPreviewPage::ShadowDepth, TPreviewPage::ShadowDepth);
    const QSizeF page = PagePixelsAt100();
    const double margins = 2 * TPreviewPage::MarginPercent / 100.0 * page.width();
    const double byWidth = available.width() * 100 / (page.width() + margins);
    const double byHeight = available.height() * 100 / (page.height() + margins);
    return std::clamp(int(std::min(byWidth, byHeight)), MinZoom, MaxZoom);
}

void TPreviewForm::RedrawPage()
{
    FPage->SetPage(FJob.RenderPage(FCurrentPage, Screen::PixelsPerInch * FZoom / 100.0));
}

void TPreviewForm::PageChanged()
{
    setWindowTitle(QStringLiteral("Preview Page %1 of %2").arg(FCurrentPage + 1).arg(FJob.PageCount()));
}

void TPreviewForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up)
        ScrollVertically(-1);
    else if (event->key() == Qt::Key_Down)
        ScrollVertically(1);
    else
        QDialog::keyPressEvent(event);
}

void TPreviewForm::ScrollVertically(int steps)
{
    QScrollBar *bar = FScrollBox->verticalScrollBar();
    bar->setValue(std::clamp(bar->value() + steps * bar->singleStep(), 0, bar->maximum()));
}
