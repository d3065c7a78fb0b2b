#pragma once

#include <QString>
#include <array>

// The user's personal details, offered as ready-made texts for the card.
// The order is fixed: every list, menu, dialog and settings section uses it.
struct TPersonalInfo
{
    static constexpr int FieldCount = 10;

    std::array<QString, FieldCount> Fields;

    // The settings key of each field.
    static const char *Key(int field);
    // The caption of each field in the personal information dialog.
    static const char *DialogLabel(int field);
    // The caption of each field in a text object's "Personal Information" menu.
    static const char *MenuLabel(int field);

    bool operator==(const TPersonalInfo &other) const { return Fields == other.Fields; }
};
