#include "ui/TSelectSpecificLabels.h"

#include "ui/TDialogStrip.h"
#include "ui/TFormPlacement.h"
#include "ui/TReportPrinter.h"
#include "ui/TSheetPicture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int HelpTopic = 2020;

QPushButton *Button(QWidget *parent, const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TSelectSpecificLabels::TSelectSpecificLabels(QWidget *parent, TReportPrinter &printer, const TCardLayout &layout,
                                             const TPrintPositions &positions)
    : QDialog(parent), FPrinter(printer)
{
    setWindowTitle(QStringLiteral("Print Cards"));
    auto *sheetPanel = new QGroupBox(QStringLiteral(" Select Cards To Print"), this);
    FSheet = new TSheetPicture(sheetPanel, layout, layout.PaperSizeInches(), TFormPlacement::ScreenPixelsPerInch(*this));
    FSheet->setObjectName(QStringLiteral("PaintBox1"));
    FSheet->SetPositions(positions);
    TDialogStrip::SetWhatsThis(*FSheet, QStringLiteral("Click a card to print it (red) or to leave it out (white)."));
    auto *all = Button(sheetPanel, QStringLiteral("&All"), "AllButton");
    auto *none = Button(sheetPanel, QStringLiteral("&None"), "NoneButton");
    connect(all, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { SetAll(false); });
    auto *selectButtons = new QHBoxLayout;
    selectButtons->addWidget(all);
    selectButtons->addWidget(none);
    auto *sheetLayout = new QVBoxLayout(sheetPanel);
    sheetLayout->addWidget(FSheet, 0, Qt::AlignHCenter);
    sheetLayout->addLayout(selectButtons);

    auto *printerPanel = new QGroupBox(QStringLiteral("Printer"), this);
    FPrinterName = new QLabel(printerPanel);
    FPrinterName->setObjectName(QStringLiteral("PrinterName"));
    auto *setup = Button(printerPanel, QStringLiteral("Print &Setup"), "PrintSetupButton");
    connect(setup, &QPushButton::clicked, this, [this] {
        FPrinter.PrinterSetupDialog(this);
        ShowPrinterName();
    });
    auto *printerLayout = new QVBoxLayout(printerPanel);
    printerLayout->addWidget(FPrinterName);
    printerLayout->addWidget(setup);

    auto *pagesPanel = new QGroupBox(QStringLiteral("Pages"), this);
    FPages = new QSpinBox(pagesPanel);
    FPages->setObjectName(QStringLiteral("pages"));
    FPages->setRange(1, 99);
    FPages->setValue(1);
    auto *pagesLabel = new QLabel(QStringLiteral("Number of &pages:"), pagesPanel);
    pagesLabel->setBuddy(FPages);
    auto *pagesLayout = new QHBoxLayout(pagesPanel);
    pagesLayout->addWidget(pagesLabel);
    pagesLayout->addWidget(FPages);

    auto *side = new QVBoxLayout;
    side->addWidget(printerPanel);
    side->addWidget(pagesPanel);
    side->addStretch();
    auto *panels = new QHBoxLayout;
    panels->addWidget(sheetPanel);
    panels->addLayout(side);
    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(panels);
    layoutBox->addLayout(TDialogStrip::Create(*this, HelpTopic));
    ShowPrinterName();
}

const TPrintPositions &TSelectSpecificLabels::Positions() const
{
    return FSheet->Positions();
}

void TSelectSpecificLabels::accept()
{
    FPrinter.SetPortrait();
    FPrinter.SetCopies(FPages->value());
    if (!Positions().AnySelected(int(FSheet->CardRects().size()))) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                        QStringLiteral("You must select at least one card to print"), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    QDialog::accept();
}

void TSelectSpecificLabels::ShowPrinterName()
{
    FPrinterName->setText(FPrinter.PrinterName());
}

void TSelectSpecificLabels::SetAll(bool selected)
{
    TPrintPositions positions = FSheet->Positions();
    if (selected)
        positions.SelectAll();
    else
        positions.SelectNone();
    FSheet->SetPositions(positions);
}
