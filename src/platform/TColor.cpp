#include "platform/TColor.h"

#include <QColor>
#include <array>

using namespace TColors;

namespace
{
struct NamedColor
{
    TColor FColor;
    const char *FName;
};

constexpr std::array<NamedColor, 42> NamedColors = {{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
}};

constexpr TColor rgb(int red, int green, int blue)
{
    return TColor(red | (green << 8) | (blue << 16));
}

// Indexed by system colour number, in the order of the TColors constants.
constexpr std::array<TColor, 25> ClassicSystemColors = {
    clSilver,           // scroll bar
    clTeal,             // desktop background
    clNavy,             // active caption
    clGray,             // inactive caption
    clSilver,           // menu
    clWhite,            // window
    clBlack,            // window frame
    clBlack,            // menu text
    clBlack,            // window text
    clWhite,            // caption text
    clSilver,           // active border
    clSilver,           // inactive border
    clGray,             // application workspace
    clNavy,             // highlight
    clWhite,            // highlight text
    clSilver,           // button face
    clGray,             // button shadow
    clGray,             // grey text
    clBlack,            // button text
    clSilver,           // inactive caption text
    clWhite,            // button highlight
    clBlack,            // 3D dark shadow
    clSilver,           // 3D light
    clBlack,            // info text
    rgb(255, 255, 225), // info background
};

constexpr quint32 SystemColorFlag = 0x80000000u;
constexpr quint32 RgbMask = 0x00FFFFFFu;

bool isSystemColor(TColor color)
{
    return (quint32(color) & SystemColorFlag) != 0;
}

TColor systemColorToRGB(TColor color)
{
    const quint32 index = quint32(color) & ~SystemColorFlag;
    return index < ClassicSystemColors.size() ? ClassicSystemColors[index] : clBlack;
}
}

const char *colorToIdent(TColor color)
{
    for (const NamedColor &named : NamedColors)
    {
        if (named.FColor == color)
            return named.FName;
    }
    return nullptr;
}

std::optional<TColor> identToColor(QByteArrayView name)
{
    for (const NamedColor &named : NamedColors)
    {
        const QByteArrayView candidate(named.FName);
        if (candidate.size() == name.size() && candidate.compare(name, Qt::CaseInsensitive) == 0)
            return named.FColor;
    }
    return std::nullopt;
}

TColor colorToRGB(TColor color)
{
    if (color == clNone)
        return color;
    if (isSystemColor(color))
        return systemColorToRGB(color);
    return TColor(quint32(color) & RgbMask);
}

QColor toQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    const TColor resolved = colorToRGB(color);
    return QColor(resolved & 0xFF, (resolved >> 8) & 0xFF, (resolved >> 16) & 0xFF);
}

TColor fromQColor(const QColor &color)
{
    if (!color.isValid() || color.alpha() == 0)
        return clNone;
    return rgb(color.red(), color.green(), color.blue());
}
