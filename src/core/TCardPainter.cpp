#include "core/TCardPainter.h"

#include "core/TDesign.h"

#include <QPainter>

void TCardPainter::Paint(QPainter &painter, const TDesign &design, const TCardPaintOptions &)
{
    painter.fillRect(0, 0, design.Width(), design.Height(), Qt::white);
    design.PaintObjects(painter);
}
