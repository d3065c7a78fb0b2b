#include "core/TDefaultFont.h"

#include "core/TFont.h"

void TDefaultFont::ApplyTo(TFont &font) const
{
    font.SetName(Name);
    font.SetSize(Size);
    font.SetStyle(font.Style()
                      .with(TFontStyle::fsBold, Bold)
                      .with(TFontStyle::fsItalic, Italic)
                      .with(TFontStyle::fsUnderline, Underline));
}

TDefaultFont TDefaultFont::FromFont(const TFont &font)
{
    TDefaultFont result;
    result.Name = font.Name();
    result.Size = font.Size();
    result.Bold = font.Style().contains(TFontStyle::fsBold);
    result.Italic = font.Style().contains(TFontStyle::fsItalic);
    result.Underline = font.Style().contains(TFontStyle::fsUnderline);
    return result;
}
