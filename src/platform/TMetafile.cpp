#include "platform/TMetafile.h"

#include "platform/EQuandrelError.h"
#include "platform/Screen.h"
#include "platform/TByteReader.h"
#include "platform/TEmfPlayer.h"
#include "platform/TMetafileCanvas.h"
#include "platform/TWmfPlayer.h"
#include "platform/WinMath.h"

#include <QPainter>
#include <QPicture>
#include <QtEndian>
#include <climits>
#include <cmath>
#include <optional>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableHeaderSize = 22;
constexpr qsizetype WmfHeaderSize = 18;
constexpr quint32 EnhancedSignature = 0x464D4520; // " EMF"
constexpr qsizetype EnhancedHeaderSize = 88;
constexpr int HundredthsOfMillimetrePerInch = 2540;
constexpr quint16 META_SETWINDOWORG = 0x020B;
constexpr quint16 META_SETWINDOWEXT = 0x020C;

bool IsWmfHeader(QByteArrayView bytes)
{
    if (bytes.size() < WmfHeaderSize)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(bytes.data());
    const quint16 headerWords = qFromLittleEndian<quint16>(bytes.data() + 2);
    return (type == 1 || type == 2) && headerWords == WmfHeaderSize / 2;
}

bool IsPlaceable(QByteArrayView bytes)
{
    return bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.data()) == PlaceableKey;
}

bool IsEnhanced(QByteArrayView bytes)
{
    return bytes.size() >= EnhancedHeaderSize && qFromLittleEndian<quint32>(bytes.data()) == 1
        && qFromLittleEndian<quint32>(bytes.data() + 40) == EnhancedSignature;
}

qint16 ClampToShort(int value)
{
    return qint16(qBound(-32768, value, 32767));
}

void AppendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

bool TMetafile::LooksLikeMetafile(QByteArrayView bytes)
{
    return IsPlaceable(bytes) || ::IsEnhanced(bytes) || IsWmfHeader(bytes);
}

TMetafile::TMetafile(const QByteArray &bytes)
{
    if (::IsEnhanced(bytes)) {
        FBytes = bytes;
        FEnhanced = true;
        ReadEnhanced();
    } else if (IsPlaceable(bytes)) {
        FBytes = bytes;
        ReadPlaceable();
    } else if (IsWmfHeader(bytes)) {
        FBytes = PlaceableHeader(PlainBox(bytes), DefaultUnitsPerInch) + bytes;
        ReadPlaceable();
    } else {
        throw EQuandrelError(QStringLiteral("The file is not a Windows metafile."));
    }
}

QByteArray TMetafile::PlaceableHeader(const QRect &box, int unitsPerInch)
{
    QByteArray header;
    const quint16 words[] = {
        quint16(PlaceableKey & 0xFFFF),
        quint16(PlaceableKey >> 16),
        0, // handle
        quint16(ClampToShort(box.left())),
        quint16(ClampToShort(box.top())),
        quint16(ClampToShort(box.left() + box.width())),
        quint16(ClampToShort(box.top() + box.height())),
        quint16(unitsPerInch),
        0,
        0, // reserved
    };
    quint16 checksum = 0;
    for (quint16 word : words) {
        AppendU16(header, word);
        checksum ^= word;
    }
    AppendU16(header, checksum);
    return header;
}

QRect TMetafile::PlainBox(const QByteArray &records)
{
    // A picture made to be stretched names its window; take the first one.
    std::optional<QPoint> origin;
    std::optional<QPoint> extent;
    qsizetype position = WmfHeaderSize;
    while (position + 10 <= records.size() && !(origin && extent)) {
        const quint32 words = qFromLittleEndian<quint32>(records.constData() + position);
        const quint16 function = qFromLittleEndian<quint16>(records.constData() + position + 4);
        if (words < 3 || qint64(words) * 2 > records.size() - position)
            break;
        const QPoint point(qFromLittleEndian<qint16>(records.constData() + position + 8),
                           qFromLittleEndian<qint16>(records.constData() + position + 6));
        if (function == META_SETWINDOWORG && !origin)
            origin = point;
        else if (function == META_SETWINDOWEXT && !extent)
            extent = point;
        position += qsizetype(words) * 2;
    }
    if (extent && extent->x() != 0 && extent->y() != 0)
        return QRect(origin.value_or(QPoint()), QSize(extent->x(), extent->y()));
    // Otherwise the picture is as large as what it draws.
    const QRectF everything(-32768, -32768, 65536, 65536);
    QPicture picture;
    {
        QPainter painter(&picture);
        TMetafileCanvas canvas(painter, everything, everything, QPointF(DefaultUnitsPerInch, DefaultUnitsPerInch));
        TWmfPlayer(canvas).Play(records);
    }
    const QRect drawn = picture.boundingRect();
    if (drawn.isEmpty())
        throw EQuandrelError(QStringLiteral("The metafile draws nothing and gives no size."));
    return drawn;
}

void TMetafile::ReadPlaceable()
{
    TByteReader reader(FBytes, QStringLiteral("The metafile"));
    reader.Skip(6);
    const qint16 left = reader.I16();
    const qint16 top = reader.I16();
    const qint16 right = reader.I16();
    const qint16 bottom = reader.I16();
    int unitsPerInch = reader.U16();
    reader.Seek(PlaceableHeaderSize);
    if (!IsWmfHeader(FBytes.sliced(PlaceableHeaderSize)))
        throw EQuandrelError(QStringLiteral("The metafile's header is damaged."));
    if (unitsPerInch == 0)
        unitsPerInch = DefaultUnitsPerInch;
    FFrame = QRectF(QPointF(left, top), QPointF(right, bottom));
    FDeviceUnitsPerInch = QPointF(unitsPerInch, unitsPerInch);
    // Through hundredths of a millimetre, the unit a metafile's size is kept in.
    auto pixels = [unitsPerInch](int units) {
        const int hundredths = WinMath::MulDiv(std::abs(units), HundredthsOfMillimetrePerInch, unitsPerInch);
        return WinMath::MulDiv(hundredths, Screen::PixelsPerInch, HundredthsOfMillimetrePerInch);
    };
    FNaturalSize = QSize(pixels(right - left), pixels(bottom - top));
}

void TMetafile::ReadEnhanced()
{
    TByteReader reader(FBytes, QStringLiteral("The metafile"));
    reader.Skip(8);
    const qint32 boundsLeft = reader.I32();
    const qint32 boundsTop = reader.I32();
    const qint32 boundsRight = reader.I32();
    const qint32 boundsBottom = reader.I32();
    const qint32 frameLeft = reader.I32();
    const qint32 frameTop = reader.I32();
    const qint32 frameRight = reader.I32();
    const qint32 frameBottom = reader.I32();
    reader.Seek(72);
    const qint32 devicePixelsX = reader.I32();
    const qint32 devicePixelsY = reader.I32();
    const qint32 deviceMillimetresX = reader.I32();
    const qint32 deviceMillimetresY = reader.I32();

    const bool knowsDevice = devicePixelsX > 0 && devicePixelsY > 0 && deviceMillimetresX > 0 && deviceMillimetresY > 0;
    const double pixelsPerMillimetreX = knowsDevice ? double(devicePixelsX) / deviceMillimetresX : 96 / 25.4;
    const double pixelsPerMillimetreY = knowsDevice ? double(devicePixelsY) / deviceMillimetresY : 96 / 25.4;
    FDeviceUnitsPerInch = QPointF(pixelsPerMillimetreX * 25.4, pixelsPerMillimetreY * 25.4);
    const qint64 frameWidth = qint64(frameRight) - frameLeft;
    const qint64 frameHeight = qint64(frameBottom) - frameTop;
    if (frameWidth > 0 && frameHeight > 0 && frameWidth <= INT_MAX && frameHeight <= INT_MAX) {
        FFrame = QRectF(frameLeft * pixelsPerMillimetreX / 100, frameTop * pixelsPerMillimetreY / 100,
                        frameWidth * pixelsPerMillimetreX / 100, frameHeight * pixelsPerMillimetreY / 100);
        FNaturalSize = QSize(WinMath::MulDiv(int(frameWidth), Screen::PixelsPerInch, HundredthsOfMillimetrePerInch),
                             WinMath::MulDiv(int(frameHeight), Screen::PixelsPerInch, HundredthsOfMillimetrePerInch));
        return;
    }
    // No frame: the bounds, which are inclusive device pixels.
    FFrame = QRectF(QPointF(boundsLeft, boundsTop), QPointF(double(boundsRight) + 1, double(boundsBottom) + 1));
    FNaturalSize = QSize(qMax(0, int(std::lround(FFrame.width() * Screen::PixelsPerInch / FDeviceUnitsPerInch.x()))),
                         qMax(0, int(std::lround(FFrame.height() * Screen::PixelsPerInch / FDeviceUnitsPerInch.y()))));
}

void TMetafile::Draw(QPainter &painter, const QRectF &target) const
{
    if (FFrame.width() == 0 || FFrame.height() == 0 || target.isEmpty())
        return;
    TMetafileCanvas canvas(painter, FFrame, target, FDeviceUnitsPerInch);
    if (FEnhanced) {
        TEmfPlayer(canvas).Play(FBytes);
        return;
    }
    // A Windows metafile's logical units are its frame's units until its own
    // window says otherwise.
    TGdiMapping &mapping = canvas.State().Mapping;
    mapping.SetMapMode(Gdi::MM_ANISOTROPIC);
    mapping.SetWindowOrigin(FFrame.topLeft());
    mapping.SetWindowExtent(FFrame.size());
    mapping.SetViewportOrigin(FFrame.topLeft());
    mapping.SetViewportExtent(FFrame.size());
    TWmfPlayer(canvas).Play(QByteArrayView(FBytes).sliced(PlaceableHeaderSize));
}
