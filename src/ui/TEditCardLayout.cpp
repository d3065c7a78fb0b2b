#include "ui/TEditCardLayout.h"

#include "ui/TDialogStrip.h"
#include "ui/TNumEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int HelpTopic = 3101;
constexpr int VisiblePredefinedEntries = 13;
constexpr int InchDecimals = 3;
constexpr int MillimetreDecimals = 2;

void showInInches(TNumEdit &edit, double inches)
{
    edit.SetFormat(&TCardLayout::FormatInches, InchDecimals);
    edit.SetValue(inches);
}

void showInMillimetres(TNumEdit &edit, double millimetres)
{
    edit.SetFormat(&TCardLayout::FormatMillimetres, MillimetreDecimals);
    edit.SetValue(millimetres);
}

TNumEdit *lengthEdit(QWidget *parent, const char *name, const QString &whatsThis)
{
    auto *edit = new TNumEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    TDialogStrip::SetWhatsThis(*edit, whatsThis);
    return edit;
}

QSpinBox *countSpin(QWidget *parent, const char *name, int maximum, const QString &whatsThis)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(1, maximum);
    TDialogStrip::SetWhatsThis(*spin, whatsThis);
    return spin;
}

void addField(QGridLayout &grid, int row, int column, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid.addWidget(label, row, column * 2);
    grid.addWidget(field, row, column * 2 + 1);
}

} // namespace

TEditCardLayout::TEditCardLayout(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Business Card Layout"));
    CreateControls();
    FillEditsFromValues();
}

void TEditCardLayout::CreateControls()
{
    PredefinedLayouts = new QComboBox(this);
    PredefinedLayouts->setObjectName(QStringLiteral("PredefinedLayouts"));
    PredefinedLayouts->addItems(TCardLayout::PredefinedNames());
    PredefinedLayouts->setMaxVisibleItems(VisiblePredefinedEntries);
    TDialogStrip::SetWhatsThis(*PredefinedLayouts,
                               QStringLiteral("Card stock whose sizes and margins are known: choosing one fills in "
                                              "every field below."));
    // Only a choice of the user's: filling the dialog sets the index without
    // this signal.
    connect(PredefinedLayouts, &QComboBox::activated, this, [this](int index) { PredefinedLayoutsChange(index); });

    Inchesbutton = new QRadioButton(QStringLiteral("Use &Inches"), this);
    Inchesbutton->setObjectName(QStringLiteral("Inchesbutton"));
    Inchesbutton->setChecked(true);
    TDialogStrip::SetWhatsThis(*Inchesbutton, QStringLiteral("Shows and takes the lengths in inches."));
    connect(Inchesbutton, &QRadioButton::clicked, this, [this] { InchesbuttonClick(); });
    MMButton = new QRadioButton(QStringLiteral("Use &Millimeters"), this);
    MMButton->setObjectName(QStringLiteral("MMButton"));
    TDialogStrip::SetWhatsThis(*MMButton, QStringLiteral("Shows and takes the lengths in millimetres."));
    connect(MMButton, &QRadioButton::clicked, this, [this] { MMButtonClick(); });

    eCardwidth = lengthEdit(this, "eCardwidth", QStringLiteral("The width of one card."));
    eCardwidth->OnExit = [this] { eCardwidthExit(); };
    eCardHeight = lengthEdit(this, "eCardHeight", QStringLiteral("The height of one card."));
    eCardHeight->OnExit = [this] { eCardHeightExit(); };
    eHorizPitch = lengthEdit(this, "eHorizPitch",
                             QStringLiteral("The distance from the left edge of one card to the left edge of the "
                                            "next card in the same row."));
    eVertPitch = lengthEdit(this, "eVertPitch",
                            QStringLiteral("The distance from the top edge of one row of cards to the top edge of "
                                           "the next row."));
    enbracross = countSpin(this, "enbracross", 10, QStringLiteral("How many cards go across the sheet."));
    enbrdown = countSpin(this, "enbrdown", 30, QStringLiteral("How many rows of cards go down the sheet."));
    eleftmarg = lengthEdit(this, "eleftmarg",
                           QStringLiteral("The distance from the left edge of the paper to the first column of "
                                          "cards."));
    etopmarg = lengthEdit(this, "etopmarg",
                          QStringLiteral("The distance from the top edge of the paper to the first row of cards."));

    epapersize = new QComboBox(this);
    epapersize->setObjectName(QStringLiteral("epapersize"));
    epapersize->addItems(TCardLayout::PaperListEntries());
    TDialogStrip::SetWhatsThis(*epapersize, QStringLiteral("The size of the sheet the cards are printed on."));

    auto *predefinedRow = new QHBoxLayout;
    auto *predefinedLabel = new QLabel(QStringLiteral("Predefined Layouts"), this);
    predefinedLabel->setBuddy(PredefinedLayouts);
    predefinedRow->addWidget(predefinedLabel);
    predefinedRow->addWidget(PredefinedLayouts, 1);

    auto *units = new QGroupBox(this);
    auto *unitsRow = new QHBoxLayout(units);
    unitsRow->addWidget(Inchesbutton);
    unitsRow->addWidget(MMButton);

    auto *fields = new QGridLayout;
    addField(*fields, 0, 0, QStringLiteral("Card Width"), eCardwidth);
    addField(*fields, 0, 1, QStringLiteral("Card Height"), eCardHeight);
    addField(*fields, 1, 0, QStringLiteral("Horizontal Pitch"), eHorizPitch);
    addField(*fields, 1, 1, QStringLiteral("Vertical Pitch"), eVertPitch);
    addField(*fields, 2, 0, QStringLiteral("# across"), enbracross);
    addField(*fields, 2, 1, QStringLiteral("# down"), enbrdown);
    addField(*fields, 3, 0, QStringLiteral("Left Margin"), eleftmarg);
    addField(*fields, 3, 1, QStringLiteral("Top Margin"), etopmarg);
    addField(*fields, 4, 0, QStringLiteral("Paper size"), epapersize);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(predefinedRow);
    layout->addWidget(units);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(TDialogStrip::Create(*this, HelpTopic));
}

std::array<TNumEdit *, 6> TEditCardLayout::LengthEdits() const
{
    return {eCardwidth, eCardHeight, eHorizPitch, eVertPitch, eleftmarg, etopmarg};
}

void TEditCardLayout::SetCardLayout(const TCardLayout &layout)
{
    FLayout = layout;
    (layout.UseMM ? MMButton : Inchesbutton)->setChecked(true);
    PredefinedLayouts->setCurrentIndex(layout.PredefLayout);
    FillEditsFromValues();
}

void TEditCardLayout::FillEditsFromValues()
{
    showInInches(*eCardwidth, FLayout.Width);
    showInInches(*eCardHeight, FLayout.Height);
    showInInches(*eHorizPitch, FLayout.HPitch);
    showInInches(*eVertPitch, FLayout.VPitch);
    showInInches(*eleftmarg, FLayout.LeftMargin);
    showInInches(*etopmarg, FLayout.TopMargin);
    FShowsMillimetres = false;
    enbracross->setValue(FLayout.Across);
    enbrdown->setValue(FLayout.Down);
    // A code the list has no entry for shows as the empty entry, which keeps
    // the code when OK is pressed.
    const int paperEntry = TCardLayout::PaperListIndex(FLayout.Papersize);
    epapersize->setCurrentIndex(paperEntry >= 0 ? paperEntry : epapersize->count() - 1);
    if (MMButton->isChecked())
        MMButtonClick();
}

void TEditCardLayout::PredefinedLayoutsChange(int index)
{
    FLayout.ApplyPredefined(index);
    FillEditsFromValues();
}

// Switching units converts the exact values the fields hold, not their
// displayed decimals, so switching back and forth loses nothing.
void TEditCardLayout::MMButtonClick()
{
    if (FShowsMillimetres)
        return;
    for (TNumEdit *edit : LengthEdits())
        showInMillimetres(*edit, TCardLayout::InchesToMillimetres(edit->Value()));
    FShowsMillimetres = true;
}

void TEditCardLayout::InchesbuttonClick()
{
    if (!FShowsMillimetres)
        return;
    for (TNumEdit *edit : LengthEdits())
        showInInches(*edit, TCardLayout::MillimetresToInches(edit->Value()));
    FShowsMillimetres = false;
}

void TEditCardLayout::eCardwidthExit()
{
    if (eCardwidth->Value() > eHorizPitch->Value())
        eHorizPitch->SetValue(eCardwidth->Value());
}

void TEditCardLayout::eCardHeightExit()
{
    if (eCardHeight->Value() > eVertPitch->Value())
        eVertPitch->SetValue(eCardHeight->Value());
}

void TEditCardLayout::accept()
{
    OkButtonClick();
}

void TEditCardLayout::OkButtonClick()
{
    // Leaving the field being edited runs its exit rule before the values
    // are taken.
    enbrdown->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();

    TCardLayout entered = FLayout;
    entered.Down = enbrdown->value();
    entered.Across = enbracross->value();
    entered.PredefLayout = PredefinedLayouts->currentIndex();
    entered.Width = EnteredInches(*eCardwidth);
    entered.Height = EnteredInches(*eCardHeight);
    entered.HPitch = EnteredInches(*eHorizPitch);
    entered.VPitch = EnteredInches(*eVertPitch);
    entered.LeftMargin = EnteredInches(*eleftmarg);
    entered.TopMargin = EnteredInches(*etopmarg);
    entered.Papersize = TCardLayout::PapersizeOfListEntry(epapersize->currentIndex(), entered.Papersize);
    entered.UseMM = MMButton->isChecked();
    if (!ValidCard(entered))
        return;
    FLayout = entered;
    QDialog::accept();
}

float TEditCardLayout::EnteredInches(const TNumEdit &edit) const
{
    if (FShowsMillimetres)
        return TCardLayout::RoundToThousandths(TCardLayout::MillimetresToInches(edit.Value()));
    return float(edit.Value());
}

bool TEditCardLayout::ValidCard(const TCardLayout &layout)
{
    const QString message = layout.ValidationMessage();
    if (message.isEmpty())
        return true;
    QMessageBox::information(this, QStringLiteral("Information"), message);
    return false;
}
