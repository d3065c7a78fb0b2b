#pragma once

#include <QDialog>

class QLineEdit;

// The text entry of a single-line text object.
class TGetLabelText : public QDialog
{
public:
    explicit TGetLabelText(QWidget *parent = nullptr);

    QLineEdit *LabelText;
};
