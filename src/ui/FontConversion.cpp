#include "ui/FontConversion.h"

#include "core/TFont.h"

#include <QFont>
#include <cmath>

namespace FontConversion {

QFont ToQFont(const TFont &font)
{
    QFont result(font.Name());
    if (font.Size() > 0)
        result.setPointSize(font.Size());
    const TFontStyles style = font.Style();
    result.setBold(style.contains(TFontStyle::fsBold));
    result.setItalic(style.contains(TFontStyle::fsItalic));
    result.setUnderline(style.contains(TFontStyle::fsUnderline));
    result.setStrikeOut(style.contains(TFontStyle::fsStrikeOut));
    result.setFixedPitch(font.Pitch() == TFontPitch::fpFixed);
    return result;
}

void AssignFromQFont(TFont &target, const QFont &font)
{
    target.SetName(font.family());
    // Fonts sized in pixels report no point size; keep the size they had.
    if (font.pointSizeF() > 0)
        target.SetSize(int(std::lround(font.pointSizeF())));
    const auto bit = [](TFontStyle member) { return 1u << int(member); };
    quint32 mask = 0;
    if (font.bold())
        mask |= bit(TFontStyle::fsBold);
    if (font.italic())
        mask |= bit(TFontStyle::fsItalic);
    if (font.underline())
        mask |= bit(TFontStyle::fsUnderline);
    if (font.strikeOut())
        mask |= bit(TFontStyle::fsStrikeOut);
    target.SetStyle(TFontStyles::fromMask(mask));
}

} // namespace FontConversion
