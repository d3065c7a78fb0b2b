#include "printing/TPrintPositions.h"

#include <algorithm>

TPrintPositions::TPrintPositions()
{
    SelectAll();
}

bool TPrintPositions::Selected(int index) const
{
    return index >= 0 && index < Capacity && FFlags[size_t(index)];
}

void TPrintPositions::SetSelected(int index, bool value)
{
    if (index >= 0 && index < Capacity)
        FFlags[size_t(index)] = value;
}

void TPrintPositions::Toggle(int index)
{
    SetSelected(index, !Selected(index));
}

void TPrintPositions::SelectAll()
{
    FFlags.fill(true);
}

void TPrintPositions::SelectNone()
{
    FFlags.fill(false);
}

bool TPrintPositions::AnySelected(int count) const
{
    const int end = std::clamp(count, 0, Capacity);
    return std::any_of(FFlags.begin(), FFlags.begin() + end, [](bool flag) { return flag; });
}

std::optional<TPrintPositions> TPrintPositions::FromText(QStringView text)
{
    if (text.size() > Capacity)
        return std::nullopt;
    TPrintPositions positions;
    positions.SelectNone();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'1')
            positions.FFlags[size_t(i)] = true;
        else if (text[i] != u'0')
            return std::nullopt;
    }
    return positions;
}

QString TPrintPositions::ToText(int count) const
{
    QString text;
    for (int i = 0; i < std::clamp(count, 0, Capacity); ++i)
        text += FFlags[size_t(i)] ? u'1' : u'0';
    return text;
}
