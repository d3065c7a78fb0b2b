#pragma once

#include "platform/TColor.h"

#include <QComboBox>
#include <functional>

// A drop-down list of the 18 named colours, each row with a swatch.
class TColorDrop : public QComboBox
{
public:
    explicit TColorDrop(QWidget *parent = nullptr);

    static constexpr int EntryCount = 18;
    static const char *EntryName(int index);
    static TColor EntryColor(int index);

    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first entry of that colour; a colour not in the list
    // changes nothing.
    void SetSelectedColor(TColor color);

    // Raised when the user picks an entry.
    std::function<void(TColor)> OnChange;

private:
    TColor FSelectedColor = TColors::clBlack;
};
