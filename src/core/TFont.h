#pragma once

#include "core/Enumerations.h"
#include "core/TNestedPersistent.h"
#include "platform/TColor.h"

#include <QString>

class QFont;

// The font description of text objects: face name, pixel height (negative
// for the character height), pitch, style set and colour. The point size is
// derived from the height at the screen's pixels per inch and never stored.
class TFont : public TNestedPersistent
{
public:
    TFont();

    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Update(FColor, value); }
    qint32 Height() const { return FHeight; }
    void SetHeight(qint32 value) { Update(FHeight, value); }
    QString Name() const { return FName; }
    void SetName(const QString &value) { Update(FName, value); }
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value) { Update(FPitch, value); }
    qint32 Size() const;
    void SetSize(qint32 points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value) { Update(FStyle, value); }

    // Copies the description, not the owner's notification.
    void Assign(const TFont &source);
    // The font to draw with at a zoom: the point size is scaled and truncated
    // to whole points, so zoomed text keeps the proportions of whole sizes.
    QFont ToQFont(float zoom = 1.0f) const;
    bool SameAs(const TFont &other) const;

private:
    TColor FColor;
    qint32 FHeight;
    QString FName;
    TFontPitch FPitch = TFontPitch::fpDefault;
    TFontStyles FStyle;
};
