#pragma once

#include "core/TPersonalInfo.h"

#include <QDialog>
#include <array>

class QLineEdit;

// Edits the user's ten personal details.
class TPersonalInformation : public QDialog
{
public:
    explicit TPersonalInformation(QWidget *parent = nullptr);

    void SetInfo(const TPersonalInfo &info);
    TPersonalInfo Info() const;

    std::array<QLineEdit *, TPersonalInfo::FieldCount> Edits{};
};
