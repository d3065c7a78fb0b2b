#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
struct TPersonalInfo;

// The text entry of a personal-information text object: free text, or one
// of the user's personal details picked from a list.
class TGetBCLabelText : public QDialog
{
public:
    TGetBCLabelText(const TPersonalInfo &info, QWidget *parent = nullptr);

    QLineEdit *LabelText;
    QComboBox *PersonalInfoCombo;
};
