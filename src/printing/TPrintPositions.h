#pragma once

#include "printing/TCardLayout.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// Which card positions of a sheet print: one flag per position, indexed
// row × Across + column, row 0 at the top and column 0 at the left. The
// table has a flag for every position of the largest layout (10 × 30), so
// no position of any layout prints unasked or is left out for want of a
// flag. All positions start selected.
class TPrintPositions
{
public:
    static constexpr int Capacity = TCardLayout::MaxAcross * TCardLayout::MaxDown;

    TPrintPositions();

    // False for an index outside the table.
    bool Selected(int index) const;
    // An index outside the table is ignored.
    void SetSelected(int index, bool value);
    void Toggle(int index);
    void SelectAll();
    void SelectNone();
    // Whether any of the first count positions is selected.
    bool AnySelected(int count) const;

    // '1' for a selected position and '0' for one that is not, position 0
    // first; positions past the end of the text are not selected. Nothing
    // for a text with other characters or longer than the table.
    static std::optional<TPrintPositions> FromText(QStringView text);
    // The first count flags as such a text.
    QString ToText(int count) const;

    bool operator==(const TPrintPositions &other) const { return FFlags == other.FFlags; }
    bool operator!=(const TPrintPositions &other) const { return !(*this == other); }

private:
    std::array<bool, Capacity> FFlags;
};
