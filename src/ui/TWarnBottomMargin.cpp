#include "ui/TWarnBottomMargin.h"

#include "printing/TCardLayout.h"
#include "printing/TPrintPositions.h"
#include "ui/THelp.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>

namespace {

constexpr int HelpTopic = 2105;

QLabel *WrappedLabel(QWidget *parent, const QString &text, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TWarnBottomMargin::TWarnBottomMargin(QWidget *parent, double bottomMarginInches) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ALERT"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel(this, QStringLiteral("Business Cards need to print to within 0.5 inches of the "
                                                        "bottom, but the current printer has a bottom margin setting "
                                                        "of :")));
    layout->addWidget(WrappedLabel(this, InchesText(bottomMarginInches), "BotMarg"));
    layout->addWidget(WrappedLabel(this, QStringLiteral("This could result in the bottom of the last two business "
                                                        "cards being cut off by approximately:")));
    layout->addWidget(WrappedLabel(this, InchesText(bottomMarginInches - NeededBottomMargin), "Difference"));
    layout->addWidget(WrappedLabel(this, QStringLiteral("If your printer driver supports it, you could change the "
                                                        "bottom margin to 0.5 inches. Otherwise, you should design "
                                                        "your cards so that the bottom portion of the cards is not "
                                                        "used.")));
    layout->addWidget(WrappedLabel(this, QStringLiteral("(Note: some printers, including some of the HP Deskjet "
                                                        "series, cannot print beyond a 0.66 inch bottom margin)")));
    FDontShow = new QCheckBox(QStringLiteral("Don't show this warning again"), this);
    FDontShow->setObjectName(QStringLiteral("DontShowAgain"));
    layout->addWidget(FDontShow);

    auto *continueButton = new QPushButton(QStringLiteral("Continue"), this);
    continueButton->setObjectName(QStringLiteral("ContinueButton"));
    continueButton->setDefault(true);
    connect(continueButton, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Cancel Printing"), this);
    cancel->setObjectName(QStringLiteral("CancelPrintingButton"));
    connect(cancel, &QPushButton::clicked, this, [this] {
        FCancelPrinting = true;
        reject();
    });
    auto *help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(help, &QPushButton::clicked, this, [this] { THelp::ShowTopic(this, HelpTopic); });
    auto *whatsThis = new QToolButton(this);
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(QStringLiteral("What's this?"));
    connect(whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    auto *strip = new QHBoxLayout;
    strip->addWidget(whatsThis);
    strip->addStretch();
    strip->addWidget(continueButton);
    strip->addWidget(cancel);
    strip->addWidget(help);
    layout->addLayout(strip);
}

bool TWarnBottomMargin::NeedsWarning(double bottomMarginInches, const TCardLayout &layout,
                                     const TPrintPositions &positions, bool warningSwitch)
{
    // The counts as the print job takes them.
    const int across = std::min(layout.Across, TCardLayout::MaxAcross);
    const int down = std::min(layout.Down, TCardLayout::MaxDown);
    if (!warningSwitch || !(bottomMarginInches > NeededBottomMargin) || across < 1 || down < 1)
        return false;
    const int lastRow = (down - 1) * across;
    for (int column = 0; column < across; ++column)
        if (!positions.Selected(lastRow + column))
            return false;
    return true;
}

QString TWarnBottomMargin::InchesText(double inches)
{
    return QStringLiteral(" ") + QString::number(inches, 'f', 3) + QStringLiteral(" inches");
}

bool TWarnBottomMargin::DontShowAgain() const
{
    return FDontShow->isChecked();
}

void TWarnBottomMargin::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        FCancelPrinting = true;
    QDialog::keyPressEvent(event);
}
