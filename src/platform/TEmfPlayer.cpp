#include "platform/TEmfPlayer.h"

#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"
#include "platform/TByteReader.h"
#include "platform/TMetafileCanvas.h"
#include "platform/Windows1252.h"

#include <QtEndian>
#include <cmath>

namespace {

constexpr qsizetype RecordHeaderSize = 8;
constexpr qsizetype BoundsSize = 16;
constexpr quint32 StockObjectFlag = 0x80000000;

enum TEmfRecord : quint32 {
    EMR_HEADER = 1,
    EMR_POLYBEZIER = 2,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_POLYBEZIERTO = 5,
    EMR_POLYLINETO = 6,
    EMR_POLYPOLYLINE = 7,
    EMR_POLYPOLYGON = 8,
    EMR_SETWINDOWEXTEX = 9,
    EMR_SETWINDOWORGEX = 10,
    EMR_SETVIEWPORTEXTEX = 11,
    EMR_SETVIEWPORTORGEX = 12,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETPOLYFILLMODE = 19,
    EMR_SETROP2 = 20,
    EMR_SETSTRETCHBLTMODE = 21,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_OFFSETCLIPRGN = 26,
    EMR_MOVETOEX = 27,
    EMR_EXCLUDECLIPRECT = 29,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SCALEVIEWPORTEXTEX = 31,
    EMR_SCALEWINDOWEXTEX = 32,
    EMR_SAVEDC = 33,
    EMR_RESTOREDC = 34,
    EMR_SETWORLDTRANSFORM = 35,
    EMR_MODIFYWORLDTRANSFORM = 36,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ANGLEARC = 41,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_ARC = 45,
    EMR_CHORD = 46,
    EMR_PIE = 47,
    EMR_CREATEPALETTE = 49,
    EMR_LINETO = 54,
    EMR_ARCTO = 55,
    EMR_POLYDRAW = 56,
    EMR_SETARCDIRECTION = 57,
    EMR_BEGINPATH = 59,
    EMR_ENDPATH = 60,
    EMR_CLOSEFIGURE = 61,
    EMR_FILLPATH = 62,
    EMR_STROKEANDFILLPATH = 63,
    EMR_STROKEPATH = 64,
    EMR_FLATTENPATH = 65,
    EMR_WIDENPATH = 66,
    EMR_SELECTCLIPPATH = 67,
    EMR_ABORTPATH = 68,
    EMR_FILLRGN = 71,
    EMR_FRAMERGN = 72,
    EMR_INVERTRGN = 73,
    EMR_PAINTRGN = 74,
    EMR_EXTSELECTCLIPRGN = 75,
    EMR_BITBLT = 76,
    EMR_STRETCHBLT = 77,
    EMR_SETDIBITSTODEVICE = 80,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTA = 83,
    EMR_EXTTEXTOUTW = 84,
    EMR_POLYBEZIER16 = 85,
    EMR_POLYGON16 = 86,
    EMR_POLYLINE16 = 87,
    EMR_POLYBEZIERTO16 = 88,
    EMR_POLYLINETO16 = 89,
    EMR_POLYPOLYLINE16 = 90,
    EMR_POLYPOLYGON16 = 91,
    EMR_POLYDRAW16 = 92,
    EMR_CREATEMONOBRUSH = 93,
    EMR_CREATEDIBPATTERNBRUSHPT = 94,
    EMR_EXTCREATEPEN = 95,
    EMR_POLYTEXTOUTA = 96,
    EMR_POLYTEXTOUTW = 97,
    EMR_SMALLTEXTOUT = 108,
    EMR_ALPHABLEND = 114,
    EMR_TRANSPARENTBLT = 116,
};

enum TStockObject : quint32 {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    DC_BRUSH = 18,
    DC_PEN = 19,
};

enum TWorldTransformMode : quint32 {
    MWT_IDENTITY = 1,
    MWT_LEFTMULTIPLY = 2,
    MWT_RIGHTMULTIPLY = 3,
    MWT_SET = 4,
};

enum TSmallTextOptions : quint32 { ETO_NO_RECT = 0x0100, ETO_SMALL_CHARS = 0x0200 };

QPointF ReadPoint(TByteReader &reader)
{
    const qint32 x = reader.I32();
    const qint32 y = reader.I32();
    return QPointF(x, y);
}

QRectF ReadRect(TByteReader &reader)
{
    const QPointF topLeft = ReadPoint(reader);
    const QPointF bottomRight = ReadPoint(reader);
    return QRectF(topLeft, bottomRight);
}

QSizeF ReadSize(TByteReader &reader)
{
    const QPointF size = ReadPoint(reader);
    return QSizeF(size.x(), size.y());
}

QPolygonF ReadPoints(TByteReader &reader, quint32 count, bool shortPoints)
{
    reader.Require(qsizetype(count) * (shortPoints ? 4 : 8));
    QPolygonF points;
    points.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        points.append(shortPoints ? reader.ShortPoint() : ReadPoint(reader));
    return points;
}

QTransform ReadTransform(TByteReader &reader)
{
    float values[6];
    for (float &value : values) {
        value = reader.F32();
        if (!std::isfinite(value))
            throw EQuandrelError(QStringLiteral("A metafile transform is not a number."));
    }
    return QTransform(values[0], values[1], values[2], values[3], values[4], values[5]);
}

// A part of the record given by its offset and size, both checked.
QByteArrayView RecordPart(QByteArrayView record, quint32 offset, quint32 size)
{
    if (offset > quint32(record.size()) || size > quint32(record.size()) - offset)
        throw EQuandrelError(QStringLiteral("A metafile record points outside itself."));
    return record.sliced(offset, size);
}

QImage ReadDib(QByteArrayView record, quint32 headerOffset, quint32 headerSize, quint32 bitsOffset,
               quint32 bitsSize)
{
    return TBmpFile::DecodeDib(RecordPart(record, headerOffset, headerSize), RecordPart(record, bitsOffset, bitsSize));
}

// Region data: a 32-byte header with the rectangle count, then rectangles.
QPainterPath ReadRegion(TByteReader &reader, quint32 dataSize)
{
    TByteReader data(reader.Bytes(dataSize), QStringLiteral("A metafile region"));
    data.Skip(8);
    const quint32 count = data.U32();
    data.Skip(20);
    data.Require(qsizetype(count) * 16);
    QPainterPath area;
    for (quint32 i = 0; i < count; ++i)
        area.addRect(ReadRect(data).normalized());
    return area;
}

std::optional<TGdiObject> StockObject(quint32 index)
{
    auto solidBrush = [](QColor colour) {
        TGdiBrush brush;
        brush.Color = colour;
        return brush;
    };
    auto pen = [](quint32 style, QColor colour) {
        TGdiPen result;
        result.Style = style;
        result.Color = colour;
        return result;
    };
    switch (index & ~StockObjectFlag) {
    case WHITE_BRUSH:
    case DC_BRUSH: return solidBrush(Qt::white);
    case LTGRAY_BRUSH: return solidBrush(QColor(0xC0, 0xC0, 0xC0));
    case GRAY_BRUSH: return solidBrush(QColor(0x80, 0x80, 0x80));
    case DKGRAY_BRUSH: return solidBrush(QColor(0x40, 0x40, 0x40));
    case BLACK_BRUSH: return solidBrush(Qt::black);
    case NULL_BRUSH: {
        TGdiBrush brush;
        brush.Style = Gdi::BS_NULL;
        return brush;
    }
    case WHITE_PEN: return pen(Gdi::PS_SOLID, Qt::white);
    case BLACK_PEN:
    case DC_PEN: return pen(Gdi::PS_SOLID, Qt::black);
    case NULL_PEN: return pen(Gdi::PS_NULL, Qt::black);
    default: return TGdiFont(); // the stock fonts
    }
}

// Pixels of the transparent colour become transparent.
QImage WithTransparentColour(const QImage &image, quint32 colourRef)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = Gdi::ColourFromRef(colourRef).rgb();
    for (int y = 0; y < result.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((row[x] | 0xFF000000u) == transparent)
                row[x] = 0;
    }
    return result;
}

} // namespace

TEmfPlayer::TEmfPlayer(TMetafileCanvas &canvas) : FCanvas(canvas)
{
}

void TEmfPlayer::Play(QByteArrayView bytes)
{
    qsizetype position = 0;
    while (position + RecordHeaderSize <= bytes.size()) {
        const quint32 type = qFromLittleEndian<quint32>(bytes.data() + position);
        const quint32 size = qFromLittleEndian<quint32>(bytes.data() + position + 4);
        if (size < RecordHeaderSize || size > bytes.size() - position || type == EMR_EOF)
            return;
        const QByteArrayView record = bytes.sliced(position, size);
        TByteReader parameters(record.sliced(RecordHeaderSize), QStringLiteral("A metafile record"));
        try {
            PlayRecord(type, record, parameters);
        } catch (const EQuandrelError &) {
            return;
        }
        position += size;
    }
}

// Each group reports whether the record was one of its own; records of no
// group are skipped.
void TEmfPlayer::PlayRecord(quint32 type, QByteArrayView record, TByteReader &parameters)
{
    PlayStateRecord(type, parameters) || PlayMappingRecord(type, parameters) || PlayFigureRecord(type, parameters)
        || PlayPolyRecord(type, parameters) || PlayTextRecord(type, record, parameters)
        || PlayObjectRecord(type, record, parameters) || PlayPathRecord(type, parameters)
        || PlayClipRecord(type, parameters) || PlayRegionRecord(type, parameters)
        || PlayBitmapRecord(type, record, parameters);
}

bool TEmfPlayer::PlayStateRecord(quint32 type, TByteReader &parameters)
{
    TGdiState &state = FCanvas.State();
    switch (type) {
    case EMR_SETBKMODE: state.BackgroundMode = int(parameters.U32()); return true;
    case EMR_SETPOLYFILLMODE: state.PolyFillMode = int(parameters.U32()); return true;
    case EMR_SETROP2: state.RasterOp = int(parameters.U32()); return true;
    case EMR_SETSTRETCHBLTMODE: state.StretchMode = int(parameters.U32()); return true;
    case EMR_SETTEXTALIGN: state.TextAlign = parameters.U32(); return true;
    case EMR_SETTEXTCOLOR: state.TextColor = Gdi::ColourFromRef(parameters.U32()); return true;
    case EMR_SETBKCOLOR: state.BackgroundColor = Gdi::ColourFromRef(parameters.U32()); return true;
    case EMR_SETARCDIRECTION: state.ArcDirection = int(parameters.U32()); return true;
    case EMR_SAVEDC: FCanvas.SaveState(); return true;
    case EMR_RESTOREDC: FCanvas.RestoreState(parameters.I32()); return true;
    default: return false;
    }
}

bool TEmfPlayer::PlayMappingRecord(quint32 type, TByteReader &parameters)
{
    TGdiMapping &mapping = FCanvas.State().Mapping;
    switch (type) {
    case EMR_SETMAPMODE: mapping.SetMapMode(int(parameters.U32())); return true;
    case EMR_SETWINDOWEXTEX: mapping.SetWindowExtent(ReadSize(parameters)); return true;
    case EMR_SETWINDOWORGEX: mapping.SetWindowOrigin(ReadPoint(parameters)); return true;
    case EMR_SETVIEWPORTEXTEX: mapping.SetViewportExtent(ReadSize(parameters)); return true;
    case EMR_SETVIEWPORTORGEX: mapping.SetViewportOrigin(ReadPoint(parameters)); return true;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX: {
        const qint32 xNumerator = parameters.I32();
        const qint32 xDenominator = parameters.I32();
        const qint32 yNumerator = parameters.I32();
        const qint32 yDenominator = parameters.I32();
        if (xDenominator == 0 || yDenominator == 0)
            return true;
        const bool window = type == EMR_SCALEWINDOWEXTEX;
        const QSizeF extent = window ? mapping.WindowExtent() : mapping.ViewportExtent();
        const QSizeF scaled(extent.width() * xNumerator / xDenominator, extent.height() * yNumerator / yDenominator);
        if (window)
            mapping.SetWindowExtent(scaled);
        else
            mapping.SetViewportExtent(scaled);
        return true;
    }
    case EMR_SETWORLDTRANSFORM: mapping.SetWorldTransform(ReadTransform(parameters)); return true;
    case EMR_MODIFYWORLDTRANSFORM: ModifyWorldTransform(parameters); return true;
    default: return false;
    }
}

void TEmfPlayer::ModifyWorldTransform(TByteReader &parameters)
{
    TGdiMapping &mapping = FCanvas.State().Mapping;
    const QTransform transform = ReadTransform(parameters);
    switch (parameters.U32()) {
    case MWT_IDENTITY: mapping.SetWorldTransform(QTransform()); break;
    // The given transform applies first, then the one in place.
    case MWT_LEFTMULTIPLY: mapping.SetWorldTransform(transform * mapping.WorldTransform()); break;
    case MWT_RIGHTMULTIPLY: mapping.SetWorldTransform(mapping.WorldTransform() * transform); break;
    case MWT_SET: mapping.SetWorldTransform(transform); break;
    default: break;
    }
}

bool TEmfPlayer::PlayFigureRecord(quint32 type, TByteReader &parameters)
{
    using TArcKind = TMetafileCanvas::TArcKind;
    switch (type) {
    case EMR_MOVETOEX: FCanvas.MoveTo(ReadPoint(parameters)); return true;
    case EMR_LINETO: FCanvas.LineTo(ReadPoint(parameters)); return true;
    case EMR_SETPIXELV: {
        const QPointF point = ReadPoint(parameters);
        FCanvas.SetPixel(point, Gdi::ColourFromRef(parameters.U32()));
        return true;
    }
    case EMR_RECTANGLE: FCanvas.Rectangle(ReadRect(parameters)); return true;
    case EMR_ELLIPSE: FCanvas.Ellipse(ReadRect(parameters)); return true;
    case EMR_ROUNDRECT: {
        const QRectF box = ReadRect(parameters);
        FCanvas.RoundRect(box, ReadSize(parameters));
        return true;
    }
    case EMR_ARC:
    case EMR_ARCTO:
    case EMR_CHORD:
    case EMR_PIE: {
        const QRectF box = ReadRect(parameters);
        const QPointF start = ReadPoint(parameters);
        const QPointF end = ReadPoint(parameters);
        const TArcKind kind = type == EMR_ARC ? TArcKind::akArc
            : type == EMR_ARCTO              ? TArcKind::akArcTo
            : type == EMR_CHORD              ? TArcKind::akChord
                                             : TArcKind::akPie;
        FCanvas.Arc(box, start, end, kind);
        return true;
    }
    case EMR_ANGLEARC: {
        const QPointF centre = ReadPoint(parameters);
        const quint32 radius = parameters.U32();
        const float start = parameters.F32();
        const float sweep = parameters.F32();
        if (std::isfinite(start) && std::isfinite(sweep))
            FCanvas.AngleArc(centre, radius, start, sweep);
        return true;
    }
    default: return false;
    }
}

bool TEmfPlayer::PlayPolyRecord(quint32 type, TByteReader &parameters)
{
    const bool shortPoints = type >= EMR_POLYBEZIER16 && type <= EMR_POLYDRAW16;
    switch (type) {
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16: {
        parameters.Skip(BoundsSize);
        const QPolygonF points = ReadPoints(parameters, parameters.U32(), shortPoints);
        const quint32 kind = shortPoints ? type - EMR_POLYBEZIER16 + EMR_POLYBEZIER : type;
        switch (kind) {
        case EMR_POLYBEZIER: FCanvas.PolyBezier(points); break;
        case EMR_POLYGON: FCanvas.Polygon(points); break;
        case EMR_POLYLINE: FCanvas.Polyline(points); break;
        case EMR_POLYBEZIERTO: FCanvas.PolyBezierTo(points); break;
        default: FCanvas.PolylineTo(points); break;
        }
        return true;
    }
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16: {
        parameters.Skip(BoundsSize);
        const quint32 count = parameters.U32();
        const quint32 total = parameters.U32();
        parameters.Require(qsizetype(count) * 4);
        QVector<quint32> sizes;
        quint64 sum = 0;
        for (quint32 i = 0; i < count; ++i) {
            sizes.append(parameters.U32());
            sum += sizes.last();
        }
        if (sum > total)
            throw EQuandrelError(QStringLiteral("A metafile record counts more points than it holds."));
        QVector<QPolygonF> polygons;
        for (quint32 size : sizes)
            polygons.append(ReadPoints(parameters, size, shortPoints));
        if (type == EMR_POLYPOLYGON || type == EMR_POLYPOLYGON16)
            FCanvas.PolyPolygon(polygons);
        else
            FCanvas.PolyPolyline(polygons);
        return true;
    }
    case EMR_POLYDRAW:
    case EMR_POLYDRAW16: {
        parameters.Skip(BoundsSize);
        const quint32 count = parameters.U32();
        const QPolygonF points = ReadPoints(parameters, count, shortPoints);
        FCanvas.PolyDraw(points, parameters.Bytes(count).toByteArray());
        return true;
    }
    default: return false;
    }
}

bool TEmfPlayer::PlayTextRecord(quint32 type, QByteArrayView record, TByteReader &parameters)
{
    switch (type) {
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        parameters.Skip(BoundsSize + 12); // bounds, graphics mode, scales
        TextOut(record, parameters, type == EMR_EXTTEXTOUTW);
        return true;
    case EMR_POLYTEXTOUTA:
    case EMR_POLYTEXTOUTW: {
        parameters.Skip(BoundsSize + 12);
        const quint32 count = parameters.U32();
        for (quint32 i = 0; i < count; ++i)
            TextOut(record, parameters, type == EMR_POLYTEXTOUTW);
        return true;
    }
    case EMR_SMALLTEXTOUT: SmallTextOut(parameters); return true;
    default: return false;
    }
}

// One text item: reference point, characters and advances found at offsets
// into the record.
void TEmfPlayer::TextOut(QByteArrayView record, TByteReader &parameters, bool wide)
{
    const QPointF reference = ReadPoint(parameters);
    const quint32 count = parameters.U32();
    const quint32 textOffset = parameters.U32();
    const quint32 options = parameters.U32();
    const QRectF rect = ReadRect(parameters);
    const quint32 advancesOffset = parameters.U32();
    if (count > quint32(record.size()))
        throw EQuandrelError(QStringLiteral("A metafile text is longer than its record."));
    const QByteArrayView bytes = RecordPart(record, textOffset, count * (wide ? 2 : 1));
    const QString text = wide ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.data()), count)
                              : Windows1252::decode(bytes);
    QVector<double> advances;
    if (advancesOffset != 0) {
        TByteReader advanceReader(RecordPart(record, advancesOffset, count * 4), QStringLiteral("A metafile text"));
        for (quint32 i = 0; i < count; ++i)
            advances.append(advanceReader.I32());
    }
    FCanvas.TextOut(reference, text, options, rect, advances);
}

void TEmfPlayer::SmallTextOut(TByteReader &parameters)
{
    const QPointF reference = ReadPoint(parameters);
    const quint32 count = parameters.U32();
    const quint32 options = parameters.U32();
    parameters.Skip(12); // graphics mode, scales
    std::optional<QRectF> rect;
    if (!(options & ETO_NO_RECT))
        rect = ReadRect(parameters);
    QString text;
    if (options & ETO_SMALL_CHARS) {
        text = Windows1252::decode(parameters.Bytes(count));
    } else {
        parameters.Require(qsizetype(count) * 2);
        for (quint32 i = 0; i < count; ++i)
            text.append(QChar(parameters.U16()));
    }
    FCanvas.TextOut(reference, text, options, rect, {});
}

bool TEmfPlayer::PlayObjectRecord(quint32 type, QByteArrayView record, TByteReader &parameters)
{
    switch (type) {
    case EMR_SELECTOBJECT: SelectObject(parameters.U32()); return true;
    case EMR_DELETEOBJECT: FObjects.Remove(parameters.U32()); return true;
    case EMR_CREATEPEN: CreatePen(parameters); return true;
    case EMR_EXTCREATEPEN: ExtCreatePen(parameters); return true;
    case EMR_CREATEBRUSHINDIRECT: {
        const quint32 index = parameters.U32();
        TGdiBrush brush;
        brush.Style = parameters.U32();
        brush.Color = Gdi::ColourFromRef(parameters.U32());
        brush.Hatch = parameters.U32();
        FObjects.Put(index, brush);
        return true;
    }
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT: CreatePatternBrush(record, parameters); return true;
    case EMR_EXTCREATEFONTINDIRECTW: CreateFont(parameters); return true;
    case EMR_CREATEPALETTE: FObjects.Put(parameters.U32(), TGdiPalette()); return true;
    default: return false;
    }
}

void TEmfPlayer::SelectObject(quint32 index)
{
    std::optional<TGdiObject> stock;
    const TGdiObject *object = nullptr;
    if (index & StockObjectFlag) {
        stock = StockObject(index);
        object = &*stock;
    } else {
        object = FObjects.Find(index);
    }
    if (!object)
        return;
    TGdiState &state = FCanvas.State();
    if (const auto *pen = std::get_if<TGdiPen>(object))
        state.Pen = *pen;
    else if (const auto *brush = std::get_if<TGdiBrush>(object))
        state.Brush = *brush;
    else if (const auto *font = std::get_if<TGdiFont>(object))
        state.Font = *font;
}

const TGdiBrush *TEmfPlayer::BrushAt(quint32 index) const
{
    const TGdiObject *object = FObjects.Find(index);
    return object ? std::get_if<TGdiBrush>(object) : nullptr;
}

void TEmfPlayer::CreatePen(TByteReader &parameters)
{
    const quint32 index = parameters.U32();
    TGdiPen pen;
    pen.Style = parameters.U32();
    pen.Width = std::abs(double(parameters.I32()));
    parameters.Skip(4);
    pen.Color = Gdi::ColourFromRef(parameters.U32());
    FObjects.Put(index, pen);
}

void TEmfPlayer::ExtCreatePen(TByteReader &parameters)
{
    const quint32 index = parameters.U32();
    parameters.Skip(16); // the pattern bitmap of a patterned pen is not drawn
    TGdiPen pen;
    pen.Style = parameters.U32();
    pen.Width = parameters.U32();
    const quint32 brushStyle = parameters.U32();
    pen.Color = Gdi::ColourFromRef(parameters.U32());
    parameters.Skip(4); // hatch
    const quint32 dashes = parameters.U32();
    parameters.Require(qsizetype(qMin<quint32>(dashes, 1024)) * 4);
    for (quint32 i = 0; i < dashes && i < 1024; ++i)
        pen.UserDashes.append(parameters.U32());
    if (brushStyle == Gdi::BS_NULL)
        pen.Style = (pen.Style & ~Gdi::PS_STYLE_MASK) | Gdi::PS_NULL;
    FObjects.Put(index, pen);
}

void TEmfPlayer::CreateFont(TByteReader &parameters)
{
    const quint32 index = parameters.U32();
    TGdiFont font;
    font.Height = parameters.I32();
    font.Width = parameters.I32();
    font.Escapement = parameters.I32();
    parameters.Skip(4); // orientation
    font.Weight = parameters.I32();
    font.Italic = parameters.U8();
    font.Underline = parameters.U8();
    font.StrikeOut = parameters.U8();
    parameters.Skip(5); // character set, precisions, quality, pitch
    for (int i = 0; i < 32 && parameters.Remaining() >= 2; ++i) {
        const quint16 character = parameters.U16();
        if (character == 0)
            break;
        font.FaceName.append(QChar(character));
    }
    FObjects.Put(index, font);
}

void TEmfPlayer::CreatePatternBrush(QByteArrayView record, TByteReader &parameters)
{
    const quint32 index = parameters.U32();
    parameters.Skip(4); // colour usage
    const quint32 headerOffset = parameters.U32();
    const quint32 headerSize = parameters.U32();
    const quint32 bitsOffset = parameters.U32();
    const quint32 bitsSize = parameters.U32();
    TGdiBrush brush;
    brush.Style = Gdi::BS_DIBPATTERNPT;
    try {
        brush.Pattern = ReadDib(record, headerOffset, headerSize, bitsOffset, bitsSize);
    } catch (const EQuandrelError &) {
        brush.Style = Gdi::BS_NULL;
    }
    FObjects.Put(index, brush);
}

bool TEmfPlayer::PlayPathRecord(quint32 type, TByteReader &parameters)
{
    switch (type) {
    case EMR_BEGINPATH: FCanvas.BeginPath(); return true;
    case EMR_ENDPATH: FCanvas.EndPath(); return true;
    case EMR_CLOSEFIGURE: FCanvas.CloseFigure(); return true;
    case EMR_FILLPATH: FCanvas.FillPath(); return true;
    case EMR_STROKEANDFILLPATH: FCanvas.StrokeAndFillPath(); return true;
    case EMR_STROKEPATH: FCanvas.StrokePath(); return true;
    case EMR_FLATTENPATH: return true; // curves are kept as curves
    case EMR_WIDENPATH: FCanvas.WidenPath(); return true;
    case EMR_SELECTCLIPPATH: FCanvas.SelectClipPath(int(parameters.U32())); return true;
    case EMR_ABORTPATH: FCanvas.AbortPath(); return true;
    default: return false;
    }
}

bool TEmfPlayer::PlayClipRecord(quint32 type, TByteReader &parameters)
{
    switch (type) {
    case EMR_INTERSECTCLIPRECT: FCanvas.IntersectClipRect(ReadRect(parameters)); return true;
    case EMR_EXCLUDECLIPRECT: FCanvas.ExcludeClipRect(ReadRect(parameters)); return true;
    case EMR_OFFSETCLIPRGN: FCanvas.OffsetClip(ReadPoint(parameters)); return true;
    case EMR_EXTSELECTCLIPRGN: {
        const quint32 dataSize = parameters.U32();
        const int mode = int(parameters.U32());
        // The region is in device units already.
        if (dataSize == 0)
            FCanvas.CombineClip(std::nullopt, mode);
        else
            FCanvas.CombineClip(ReadRegion(parameters, dataSize), mode);
        return true;
    }
    default: return false;
    }
}

// Regions that are painted are in logical units.
bool TEmfPlayer::PlayRegionRecord(quint32 type, TByteReader &parameters)
{
    switch (type) {
    case EMR_FILLRGN:
    case EMR_FRAMERGN: {
        parameters.Skip(BoundsSize);
        const quint32 dataSize = parameters.U32();
        const TGdiBrush *brush = BrushAt(parameters.U32());
        const QSizeF thickness = type == EMR_FRAMERGN ? ReadSize(parameters) : QSizeF();
        const QPainterPath area = FCanvas.ToDevice(ReadRegion(parameters, dataSize));
        if (!brush)
            return true;
        if (type == EMR_FILLRGN)
            FCanvas.FillRegion(area, *brush);
        else
            FCanvas.FrameRegion(area, *brush, thickness);
        return true;
    }
    case EMR_INVERTRGN:
    case EMR_PAINTRGN: {
        parameters.Skip(BoundsSize);
        const quint32 dataSize = parameters.U32();
        const QPainterPath area = FCanvas.ToDevice(ReadRegion(parameters, dataSize));
        if (type == EMR_INVERTRGN)
            FCanvas.InvertRegion(area);
        else
            FCanvas.FillRegion(area, FCanvas.State().Brush);
        return true;
    }
    default: return false;
    }
}

bool TEmfPlayer::PlayBitmapRecord(quint32 type, QByteArrayView record, TByteReader &parameters)
{
    switch (type) {
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT: BitBlt(record, parameters, type); return true;
    case EMR_STRETCHDIBITS: StretchDibBits(record, parameters); return true;
    case EMR_SETDIBITSTODEVICE: SetDibBitsToDevice(record, parameters); return true;
    default: return false;
    }
}

// The transfers from a source device: the source bitmap travels with the
// record, its rectangle counted from the top. Without a bitmap the
// destination is filled by the raster operation alone.
void TEmfPlayer::BitBlt(QByteArrayView record, TByteReader &parameters, quint32 type)
{
    parameters.Skip(BoundsSize);
    const QPointF origin = ReadPoint(parameters);
    const QSizeF size = ReadSize(parameters);
    const quint32 operation = parameters.U32(); // raster op, blend function or transparent colour
    const QPointF sourceOrigin = ReadPoint(parameters);
    parameters.Skip(24 + 4 + 4); // source transform, background colour, colour usage
    const quint32 headerOffset = parameters.U32();
    const quint32 headerSize = parameters.U32();
    const quint32 bitsOffset = parameters.U32();
    const quint32 bitsSize = parameters.U32();
    const QSizeF sourceSize = type == EMR_BITBLT ? size : ReadSize(parameters);
    const QRectF destination(origin, size);
    if (headerSize == 0) {
        FCanvas.PatternBlt(destination, type == EMR_BITBLT || type == EMR_STRETCHBLT ? operation : Gdi::PATCOPY);
        return;
    }
    QImage image = ReadDib(record, headerOffset, headerSize, bitsOffset, bitsSize);
    if (type == EMR_TRANSPARENTBLT)
        image = WithTransparentColour(image, operation);
    const quint32 rasterOp = type == EMR_BITBLT || type == EMR_STRETCHBLT ? operation : Gdi::SRCCOPY;
    FCanvas.StretchBitmap(destination, image, QRectF(sourceOrigin, sourceSize), rasterOp);
}

void TEmfPlayer::StretchDibBits(QByteArrayView record, TByteReader &parameters)
{
    parameters.Skip(BoundsSize);
    const QPointF origin = ReadPoint(parameters);
    const QPointF sourceOrigin = ReadPoint(parameters);
    const QSizeF sourceSize = ReadSize(parameters);
    const quint32 headerOffset = parameters.U32();
    const quint32 headerSize = parameters.U32();
    const quint32 bitsOffset = parameters.U32();
    const quint32 bitsSize = parameters.U32();
    parameters.Skip(4); // colour usage
    const quint32 rasterOp = parameters.U32();
    const QSizeF size = ReadSize(parameters);
    if (headerSize == 0) {
        FCanvas.PatternBlt(QRectF(origin, size), rasterOp);
        return;
    }
    const QImage image = ReadDib(record, headerOffset, headerSize, bitsOffset, bitsSize);
    const QByteArrayView header = RecordPart(record, headerOffset, headerSize);
    FCanvas.StretchBitmap(QRectF(origin, size), image, TBmpFile::SourceRect(header, image.height(), sourceOrigin, sourceSize),
                          rasterOp);
}

void TEmfPlayer::SetDibBitsToDevice(QByteArrayView record, TByteReader &parameters)
{
    parameters.Skip(BoundsSize);
    const QPointF origin = ReadPoint(parameters);
    const QPointF sourceOrigin = ReadPoint(parameters);
    const QSizeF size = ReadSize(parameters);
    const quint32 headerOffset = parameters.U32();
    const quint32 headerSize = parameters.U32();
    const quint32 bitsOffset = parameters.U32();
    const quint32 bitsSize = parameters.U32();
    const QImage image = ReadDib(record, headerOffset, headerSize, bitsOffset, bitsSize);
    const QByteArrayView header = RecordPart(record, headerOffset, headerSize);
    FCanvas.StretchBitmap(QRectF(origin, size), image, TBmpFile::SourceRect(header, image.height(), sourceOrigin, size),
                          Gdi::SRCCOPY);
}
