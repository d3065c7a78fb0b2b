#include "ui/TColorDrop.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

struct TNamedColor
{
    const char *Name;
    TColor Color;
};

// "Light Gray" and "Dark Gray" repeat "Silver" and "Gray": picking a colour
// by value finds the first.
constexpr TNamedColor Entries[TColorDrop::EntryCount] = {
    {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},      {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},       {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},       {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},      {"Light Gray", 0xC0C0C0},
    {"Dark Gray", 0x808080}, {"White", 0xFFFFFF},
};

// Each row: a square swatch from x = 4, 2 pixels inside the row, as wide as
// the row is high, framed in the text colour; the name after it.
class TSwatchDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize hint = QStyledItemDelegate::sizeHint(option, index);
        return QSize(hint.width() + RowHeight(option), RowHeight(option));
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int row = RowHeight(option);
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
        const QColor text = selected ? option.palette.highlightedText().color() : option.palette.text().color();
        const QRect swatch(r.left() + 4, r.top() + 2, row, row - 4);
        painter->fillRect(swatch, toQColor(TColorDrop::EntryColor(index.row())));
        painter->setPen(text);
        painter->drawRect(swatch.adjusted(0, 0, -1, -1));
        painter->drawText(QRect(r.left() + row + 4, r.top(), r.width() - row - 4, r.height()),
                          Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
    }

private:
    static int RowHeight(const QStyleOptionViewItem &option) { return 4 + option.fontMetrics.height(); }
};

} // namespace

TColorDrop::TColorDrop(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setItemDelegate(new TSwatchDelegate(this));
    for (const TNamedColor &entry : Entries)
        addItem(QString::fromLatin1(entry.Name));
    setMaxVisibleItems(EntryCount);
    setCurrentIndex(0);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        FSelectedColor = EntryColor(index);
        if (OnChange)
            OnChange(FSelectedColor);
    });
}

const char *TColorDrop::EntryName(int index)
{
    return Entries[index].Name;
}

TColor TColorDrop::EntryColor(int index)
{
    return Entries[index].Color;
}

void TColorDrop::SetSelectedColor(TColor color)
{
    for (int i = 0; i < EntryCount; ++i)
        if (Entries[i].Color == color) {
            setCurrentIndex(i);
            FSelectedColor = color;
            return;
        }
}
