#pragma once

#include <QString>

class TFont;

// The font new text objects start with, as the settings file keeps it: face,
// whole points and three of the four styles (strike-out is not kept).
struct TDefaultFont
{
    QString Name = QStringLiteral("Arial");
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    // Sets face and size and sets or clears each kept style; the font's
    // colour, pitch and strike-out stay as they are.
    void ApplyTo(TFont &font) const;
    static TDefaultFont FromFont(const TFont &font);

    bool operator==(const TDefaultFont &other) const
    {
        return Name == other.Name && Size == other.Size && Bold == other.Bold && Italic == other.Italic
            && Underline == other.Underline;
    }
};
