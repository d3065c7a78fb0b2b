#include "platform/TWmfPlayer.h"

#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"
#include "platform/TByteReader.h"
#include "platform/TMetafileCanvas.h"
#include "platform/Windows1252.h"

#include <QtEndian>

namespace {

constexpr qsizetype HeaderSize = 18;
constexpr qsizetype RecordHeaderSize = 6;

enum TWmfFunction : quint16 {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_REALIZEPALETTE = 0x0035,
    META_SETPALENTRIES = 0x0037,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETRELABS = 0x0105,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_SETTEXTCHAREXTRA = 0x0108,
    META_RESTOREDC = 0x0127,
    META_INVERTREGION = 0x012A,
    META_PAINTREGION = 0x012B,
    META_SELECTCLIPREGION = 0x012C,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_RESIZEPALETTE = 0x0139,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_SETLAYOUT = 0x0149,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETTEXTJUSTIFICATION = 0x020A,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_OFFSETWINDOWORG = 0x020F,
    META_OFFSETVIEWPORTORG = 0x0211,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_OFFSETCLIPRGN = 0x0220,
    META_FILLREGION = 0x0228,
    META_SETMAPPERFLAGS = 0x0231,
    META_SELECTPALETTE = 0x0234,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_SCALEVIEWPORTEXT = 0x0412,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_FLOODFILL = 0x0419,
    META_FRAMEREGION = 0x0429,
    META_ANIMATEPALETTE = 0x0436,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_EXTFLOODFILL = 0x0548,
    META_ROUNDRECT = 0x061C,
    META_PATBLT = 0x061D,
    META_ESCAPE = 0x0626,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_DIBSTRETCHBLT = 0x0B41,
    META_SETDIBTODEV = 0x0D33,
    META_STRETCHDIB = 0x0F43,
};

QPointF ReadPointYX(TByteReader &reader)
{
    const qint16 y = reader.I16();
    const qint16 x = reader.I16();
    return QPointF(x, y);
}

// Rectangles are stored bottom, right, top, left.
QRectF ReadBox(TByteReader &reader)
{
    const qint16 bottom = reader.I16();
    const qint16 right = reader.I16();
    const qint16 top = reader.I16();
    const qint16 left = reader.I16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF ReadPoints(TByteReader &reader, int count)
{
    reader.Require(qsizetype(count) * 4);
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(reader.ShortPoint());
    return points;
}

// Text bytes are padded to a whole number of 16-bit words.
QString ReadText(TByteReader &reader, int length)
{
    const QByteArrayView bytes = reader.Bytes(length);
    reader.Skip(qMin<qsizetype>(length % 2, reader.Remaining()));
    return Windows1252::decode(bytes);
}

TGdiFont ReadFont(TByteReader &reader)
{
    TGdiFont font;
    font.Height = reader.I16();
    font.Width = reader.I16();
    font.Escapement = reader.I16();
    reader.Skip(2); // orientation
    font.Weight = reader.I16();
    font.Italic = reader.U8();
    font.Underline = reader.U8();
    font.StrikeOut = reader.U8();
    reader.Skip(5); // character set, precisions, quality, pitch
    const QByteArrayView name = reader.Bytes(qMin<qsizetype>(reader.Remaining(), 32));
    const qsizetype end = name.indexOf('\0');
    font.FaceName = Windows1252::decode(end < 0 ? name : name.first(end));
    return font;
}

} // namespace

TWmfPlayer::TWmfPlayer(TMetafileCanvas &canvas) : FCanvas(canvas)
{
}

void TWmfPlayer::Play(QByteArrayView records)
{
    qsizetype position = HeaderSize;
    while (position + RecordHeaderSize <= records.size()) {
        const quint32 words = qFromLittleEndian<quint32>(records.data() + position);
        const quint16 function = qFromLittleEndian<quint16>(records.data() + position + 4);
        if (words < 3 || qint64(words) * 2 > records.size() - position || function == META_EOF)
            return;
        TByteReader parameters(records.sliced(position + RecordHeaderSize, qsizetype(words) * 2 - RecordHeaderSize),
                               QStringLiteral("A metafile record"));
        try {
            PlayRecord(function, parameters);
        } catch (const EQuandrelError &) {
            return;
        }
        position += qsizetype(words) * 2;
    }
}

// Each group reports whether the record was one of its own; records of no
// group are skipped.
void TWmfPlayer::PlayRecord(quint16 function, TByteReader &parameters)
{
    PlayStateRecord(function, parameters) || PlayMappingRecord(function, parameters)
        || PlayDrawingRecord(function, parameters) || PlayObjectRecord(function, parameters)
        || PlayBitmapRecord(function, parameters) || PlayClipRecord(function, parameters);
}

bool TWmfPlayer::PlayStateRecord(quint16 function, TByteReader &parameters)
{
    TGdiState &state = FCanvas.State();
    switch (function) {
    case META_SETBKCOLOR: state.BackgroundColor = Gdi::ColourFromRef(parameters.U32()); return true;
    case META_SETBKMODE: state.BackgroundMode = parameters.U16(); return true;
    case META_SETROP2: state.RasterOp = parameters.U16(); return true;
    case META_SETPOLYFILLMODE: state.PolyFillMode = parameters.U16(); return true;
    case META_SETSTRETCHBLTMODE: state.StretchMode = parameters.U16(); return true;
    case META_SETTEXTCOLOR: state.TextColor = Gdi::ColourFromRef(parameters.U32()); return true;
    case META_SETTEXTALIGN: state.TextAlign = parameters.U16(); return true;
    case META_SAVEDC: FCanvas.SaveState(); return true;
    case META_RESTOREDC: FCanvas.RestoreState(parameters.I16()); return true;
    default: return false;
    }
}

// The viewport belongs to the player: it maps the picture's frame onto the
// target, so the metafile's own viewport records are left out.
bool TWmfPlayer::PlayMappingRecord(quint16 function, TByteReader &parameters)
{
    TGdiMapping &mapping = FCanvas.State().Mapping;
    switch (function) {
    case META_SETMAPMODE: mapping.SetMapMode(parameters.U16()); return true;
    case META_SETWINDOWORG: mapping.SetWindowOrigin(ReadPointYX(parameters)); return true;
    case META_SETWINDOWEXT: {
        const QPointF extent = ReadPointYX(parameters);
        mapping.SetWindowExtent(QSizeF(extent.x(), extent.y()));
        return true;
    }
    case META_OFFSETWINDOWORG: mapping.SetWindowOrigin(mapping.WindowOrigin() + ReadPointYX(parameters)); return true;
    case META_SCALEWINDOWEXT: {
        const qint16 yDenominator = parameters.I16();
        const qint16 yNumerator = parameters.I16();
        const qint16 xDenominator = parameters.I16();
        const qint16 xNumerator = parameters.I16();
        if (xDenominator != 0 && yDenominator != 0)
            mapping.SetWindowExtent(QSizeF(mapping.WindowExtent().width() * xNumerator / xDenominator,
                                           mapping.WindowExtent().height() * yNumerator / yDenominator));
        return true;
    }
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT:
    case META_OFFSETVIEWPORTORG:
    case META_SCALEVIEWPORTEXT: return true;
    default: return false;
    }
}

bool TWmfPlayer::PlayDrawingRecord(quint16 function, TByteReader &parameters)
{
    using TArcKind = TMetafileCanvas::TArcKind;
    switch (function) {
    case META_MOVETO: FCanvas.MoveTo(ReadPointYX(parameters)); return true;
    case META_LINETO: FCanvas.LineTo(ReadPointYX(parameters)); return true;
    case META_POLYLINE: FCanvas.Polyline(ReadPoints(parameters, parameters.I16())); return true;
    case META_POLYGON: FCanvas.Polygon(ReadPoints(parameters, parameters.I16())); return true;
    case META_POLYPOLYGON: {
        const quint16 count = parameters.U16();
        parameters.Require(qsizetype(count) * 2);
        QVector<quint16> sizes;
        for (int i = 0; i < count; ++i)
            sizes.append(parameters.U16());
        QVector<QPolygonF> polygons;
        for (quint16 size : sizes)
            polygons.append(ReadPoints(parameters, size));
        FCanvas.PolyPolygon(polygons);
        return true;
    }
    case META_RECTANGLE: FCanvas.Rectangle(ReadBox(parameters)); return true;
    case META_ROUNDRECT: {
        const qint16 height = parameters.I16();
        const qint16 width = parameters.I16();
        FCanvas.RoundRect(ReadBox(parameters), QSizeF(width, height));
        return true;
    }
    case META_ELLIPSE: FCanvas.Ellipse(ReadBox(parameters)); return true;
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        const QPointF end = ReadPointYX(parameters);
        const QPointF start = ReadPointYX(parameters);
        const QRectF box = ReadBox(parameters);
        const TArcKind kind = function == META_ARC ? TArcKind::akArc
            : function == META_PIE                 ? TArcKind::akPie
                                                   : TArcKind::akChord;
        FCanvas.Arc(box, start, end, kind);
        return true;
    }
    case META_SETPIXEL: {
        const QColor colour = Gdi::ColourFromRef(parameters.U32());
        FCanvas.SetPixel(ReadPointYX(parameters), colour);
        return true;
    }
    case META_TEXTOUT: TextOut(parameters); return true;
    case META_EXTTEXTOUT: ExtTextOut(parameters); return true;
    case META_PATBLT: {
        const quint32 rasterOp = parameters.U32();
        const QPointF size = ReadPointYX(parameters);
        const QPointF origin = ReadPointYX(parameters);
        FCanvas.PatternBlt(QRectF(origin, QSizeF(size.x(), size.y())), rasterOp);
        return true;
    }
    default: return false;
    }
}

bool TWmfPlayer::PlayObjectRecord(quint16 function, TByteReader &parameters)
{
    switch (function) {
    case META_CREATEPENINDIRECT: {
        TGdiPen pen;
        pen.Style = parameters.U16();
        pen.Width = std::abs(parameters.I16());
        parameters.Skip(2);
        pen.Color = Gdi::ColourFromRef(parameters.U32());
        FObjects.Add(pen);
        return true;
    }
    case META_CREATEBRUSHINDIRECT: {
        TGdiBrush brush;
        brush.Style = parameters.U16();
        brush.Color = Gdi::ColourFromRef(parameters.U32());
        brush.Hatch = parameters.U16();
        FObjects.Add(brush);
        return true;
    }
    case META_DIBCREATEPATTERNBRUSH: {
        parameters.Skip(4); // style and colour usage
        TGdiBrush brush;
        brush.Style = Gdi::BS_DIBPATTERNPT;
        try {
            brush.Pattern = TBmpFile::DecodePackedDib(parameters.Bytes(parameters.Remaining()));
        } catch (const EQuandrelError &) {
            brush.Style = Gdi::BS_NULL; // keeps the slot so later indexes stay right
        }
        FObjects.Add(brush);
        return true;
    }
    case META_CREATEPATTERNBRUSH: {
        // An old device-dependent pattern: the slot is kept, the pattern drawn as grey.
        TGdiBrush brush;
        brush.Color = Qt::gray;
        FObjects.Add(brush);
        return true;
    }
    case META_CREATEFONTINDIRECT: FObjects.Add(ReadFont(parameters)); return true;
    case META_CREATEPALETTE: FObjects.Add(TGdiPalette()); return true;
    case META_CREATEREGION: CreateRegion(parameters); return true;
    case META_SELECTOBJECT: SelectObject(parameters.U16()); return true;
    case META_DELETEOBJECT: FObjects.Remove(parameters.U16()); return true;
    default: return false;
    }
}

void TWmfPlayer::SelectObject(quint16 index)
{
    const TGdiObject *object = FObjects.Find(index);
    if (!object)
        return;
    TGdiState &state = FCanvas.State();
    if (const auto *pen = std::get_if<TGdiPen>(object))
        state.Pen = *pen;
    else if (const auto *brush = std::get_if<TGdiBrush>(object))
        state.Brush = *brush;
    else if (const auto *font = std::get_if<TGdiFont>(object))
        state.Font = *font;
    else if (const auto *region = std::get_if<TGdiRegion>(object))
        FCanvas.CombineClip(FCanvas.ToDevice(region->Area), Gdi::RGN_COPY);
}

void TWmfPlayer::CreateRegion(TByteReader &parameters)
{
    parameters.Skip(10); // chain, object type, object count, region size
    const qint16 scans = parameters.I16();
    parameters.Skip(10); // largest scan, bounding box
    TGdiRegion region;
    for (int scan = 0; scan < scans; ++scan) {
        const quint16 count = parameters.U16();
        const quint16 top = parameters.U16();
        const quint16 bottom = parameters.U16();
        parameters.Require(qsizetype(count) * 2 + 2);
        for (int i = 0; i + 1 < count; i += 2) {
            const qint16 left = parameters.I16();
            const qint16 right = parameters.I16();
            region.Area.addRect(QRectF(QPointF(left, qint16(top)), QPointF(right, qint16(bottom))));
        }
        parameters.Skip(count % 2 ? 2 : 0);
        parameters.Skip(2); // the count again
    }
    FObjects.Add(region);
}

void TWmfPlayer::TextOut(TByteReader &parameters)
{
    const qint16 length = parameters.I16();
    const QString text = ReadText(parameters, qMax<qint16>(length, 0));
    const QPointF reference = ReadPointYX(parameters);
    FCanvas.TextOut(reference, text, 0, std::nullopt, {});
}

void TWmfPlayer::ExtTextOut(TByteReader &parameters)
{
    const QPointF reference = ReadPointYX(parameters);
    const qint16 length = qMax<qint16>(parameters.I16(), 0);
    const quint16 options = parameters.U16();
    std::optional<QRectF> rect;
    if (options & (Gdi::ETO_OPAQUE | Gdi::ETO_CLIPPED)) {
        const qint16 left = parameters.I16();
        const qint16 top = parameters.I16();
        const qint16 right = parameters.I16();
        const qint16 bottom = parameters.I16();
        rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    const QString text = ReadText(parameters, length);
    QVector<double> advances;
    if (parameters.Remaining() >= qsizetype(length) * 2)
        for (int i = 0; i < length; ++i)
            advances.append(parameters.I16());
    FCanvas.TextOut(reference, text, options, rect, advances);
}

bool TWmfPlayer::PlayBitmapRecord(quint16 function, TByteReader &parameters)
{
    switch (function) {
    case META_DIBSTRETCHBLT:
    case META_DIBBITBLT: DibStretchBlt(parameters, function); return true;
    case META_STRETCHDIB: StretchDib(parameters); return true;
    case META_SETDIBTODEV: SetDibToDevice(parameters); return true;
    default: return false;
    }
}

void TWmfPlayer::DibStretchBlt(TByteReader &parameters, quint16 function)
{
    const bool stretches = function == META_DIBSTRETCHBLT;
    // A record just long enough for its numbers carries no bitmap: it fills
    // with the brush, and has one reserved word before the destination.
    const qsizetype withoutBitmap = stretches ? 22 : 18;
    const bool hasBitmap = parameters.Remaining() > withoutBitmap;
    const quint32 rasterOp = parameters.U32();
    QSizeF sourceSize;
    if (stretches) {
        const QPointF size = ReadPointYX(parameters);
        sourceSize = QSizeF(size.x(), size.y());
    }
    const QPointF sourceOrigin = ReadPointYX(parameters);
    if (!hasBitmap)
        parameters.Skip(2);
    const QPointF size = ReadPointYX(parameters);
    const QPointF origin = ReadPointYX(parameters);
    const QRectF destination(origin, QSizeF(size.x(), size.y()));
    if (!stretches)
        sourceSize = destination.size();
    if (!hasBitmap) {
        FCanvas.PatternBlt(destination, rasterOp);
        return;
    }
    const QImage image = TBmpFile::DecodePackedDib(parameters.Bytes(parameters.Remaining()));
    FCanvas.StretchBitmap(destination, image, QRectF(sourceOrigin, sourceSize), rasterOp);
}

void TWmfPlayer::StretchDib(TByteReader &parameters)
{
    const quint32 rasterOp = parameters.U32();
    parameters.Skip(2); // colour usage
    const QPointF sourceSize = ReadPointYX(parameters);
    const QPointF sourceOrigin = ReadPointYX(parameters);
    const QPointF size = ReadPointYX(parameters);
    const QPointF origin = ReadPointYX(parameters);
    const QByteArrayView dib = parameters.Bytes(parameters.Remaining());
    const QImage image = TBmpFile::DecodePackedDib(dib);
    FCanvas.StretchBitmap(QRectF(origin, QSizeF(size.x(), size.y())), image,
                          TBmpFile::SourceRect(dib, image.height(), sourceOrigin, QSizeF(sourceSize.x(), sourceSize.y())), rasterOp);
}

void TWmfPlayer::SetDibToDevice(TByteReader &parameters)
{
    parameters.Skip(6); // colour usage, scan count, start scan
    const QPointF sourceOrigin = ReadPointYX(parameters);
    const QPointF size = ReadPointYX(parameters);
    const QPointF origin = ReadPointYX(parameters);
    const QByteArrayView dib = parameters.Bytes(parameters.Remaining());
    const QImage image = TBmpFile::DecodePackedDib(dib);
    const QSizeF extent(size.x(), size.y());
    FCanvas.StretchBitmap(QRectF(origin, extent), image, TBmpFile::SourceRect(dib, image.height(), sourceOrigin, extent),
                          Gdi::SRCCOPY);
}

bool TWmfPlayer::PlayClipRecord(quint16 function, TByteReader &parameters)
{
    switch (function) {
    case META_INTERSECTCLIPRECT: FCanvas.IntersectClipRect(ReadBox(parameters)); return true;
    case META_EXCLUDECLIPRECT: FCanvas.ExcludeClipRect(ReadBox(parameters)); return true;
    case META_OFFSETCLIPRGN: FCanvas.OffsetClip(ReadPointYX(parameters)); return true;
    case META_SELECTCLIPREGION: {
        const TGdiObject *object = FObjects.Find(parameters.U16());
        const auto *region = object ? std::get_if<TGdiRegion>(object) : nullptr;
        FCanvas.CombineClip(region ? std::optional<QPainterPath>(FCanvas.ToDevice(region->Area)) : std::nullopt,
                            Gdi::RGN_COPY);
        return true;
    }
    case META_FILLREGION:
    case META_FRAMEREGION:
    case META_PAINTREGION:
    case META_INVERTREGION: {
        const TGdiObject *object = FObjects.Find(parameters.U16());
        const auto *region = object ? std::get_if<TGdiRegion>(object) : nullptr;
        if (!region)
            return true;
        const QPainterPath area = FCanvas.ToDevice(region->Area);
        if (function == META_PAINTREGION) {
            FCanvas.FillRegion(area, FCanvas.State().Brush);
        } else if (function == META_INVERTREGION) {
            FCanvas.InvertRegion(area);
        } else {
            const TGdiObject *brushObject = FObjects.Find(parameters.U16());
            const auto *brush = brushObject ? std::get_if<TGdiBrush>(brushObject) : nullptr;
            if (!brush)
                return true;
            if (function == META_FILLREGION) {
                FCanvas.FillRegion(area, *brush);
            } else {
                const QPointF thickness = ReadPointYX(parameters);
                FCanvas.FrameRegion(area, *brush, QSizeF(thickness.x(), thickness.y()));
            }
        }
        return true;
    }
    default: return false;
    }
}
