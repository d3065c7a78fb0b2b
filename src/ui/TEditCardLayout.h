#pragma once

#include "printing/TCardLayout.h"

#include <QDialog>
#include <array>

class QComboBox;
class QRadioButton;
class QSpinBox;
class TNumEdit;

// The "Business Card Layout" dialog: card size, pitches, margins, counts and
// paper, typed in inches or millimetres or taken from the predefined layouts.
// Lengths show in millimetres only here; the record always holds inches.
class TEditCardLayout : public QDialog
{
public:
    explicit TEditCardLayout(QWidget *parent = nullptr);

    // Checks "Use &Millimeters" when the layout says so and fills the
    // controls from it.
    void SetCardLayout(const TCardLayout &layout);
    // After OK: the entered layout, with UseMM from "Use &Millimeters".
    const TCardLayout &CardLayout() const { return FLayout; }

    // OK: takes the entries and closes only when they pass the checks.
    void accept() override;

private:
    void CreateControls();
    void FillEditsFromValues();
    void PredefinedLayoutsChange(int index);
    void InchesbuttonClick();
    void MMButtonClick();
    void eCardwidthExit();
    void eCardHeightExit();
    void OkButtonClick();
    bool ValidCard(const TCardLayout &layout);
    float EnteredInches(const TNumEdit &edit) const;
    std::array<TNumEdit *, 6> LengthEdits() const;

    QComboBox *PredefinedLayouts = nullptr;
    QRadioButton *Inchesbutton = nullptr;
    QRadioButton *MMButton = nullptr;
    TNumEdit *eCardwidth = nullptr;
    TNumEdit *eCardHeight = nullptr;
    TNumEdit *eHorizPitch = nullptr;
    TNumEdit *eVertPitch = nullptr;
    QSpinBox *enbracross = nullptr;
    QSpinBox *enbrdown = nullptr;
    TNumEdit *eleftmarg = nullptr;
    TNumEdit *etopmarg = nullptr;
    QComboBox *epapersize = nullptr;

    TCardLayout FLayout;
    // The unit the six length fields show now.
    bool FShowsMillimetres = false;
};
