#pragma once

class QFont;
class TFont;

// The font dialog speaks QFont; design objects keep TFont descriptions.
namespace FontConversion {

// Face, size in points and style set of the description.
QFont ToQFont(const TFont &font);
// Takes face, point size and styles of the chosen font; the target keeps its
// colour and pitch, which the font dialog does not offer.
void AssignFromQFont(TFont &target, const QFont &font);

} // namespace FontConversion
