#include "printing/TRecordedJob.h"

#include "platform/EQuandrelError.h"

#include <QDataStream>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cmath>

namespace {

constexpr quint32 Magic = 0x51505256; // "QPRV"
constexpr quint16 Version = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;
// Beyond any paper a printer takes, and keeps a rendered page within memory.
constexpr double LargestPaperInches = 100.0;

EQuandrelError NotARecording()
{
    return EQuandrelError(QStringLiteral("The preview recording cannot be read."));
}

} // namespace

QByteArray TRecordedJob::Encode(QSizeF paperInches, double dotsPerInch, const QList<QByteArray> &pages)
{
    QByteArray stream;
    QDataStream out(&stream, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << Magic << Version << paperInches.width() << paperInches.height() << dotsPerInch << quint32(pages.size());
    for (const QByteArray &page : pages)
        out << page;
    return stream;
}

TRecordedJob::TRecordedJob(const QByteArray &stream)
{
    QDataStream in(stream);
    in.setVersion(StreamVersion);
    quint32 magic = 0;
    quint16 version = 0;
    double width = 0;
    double height = 0;
    quint32 count = 0;
    in >> magic >> version >> width >> height >> FDotsPerInch >> count;
    const auto inRange = [](double value, double low, double high) { return value >= low && value <= high; };
    if (in.status() != QDataStream::Ok || magic != Magic || version != Version
        || !inRange(width, 0.1, LargestPaperInches) || !inRange(height, 0.1, LargestPaperInches)
        || !inRange(FDotsPerInch, 1.0, 100000.0))
        throw NotARecording();
    FPaperInches = QSizeF(width, height);
    // Each page takes at least its length field: a count beyond what the
    // stream can hold is a damaged stream, not a reason to reserve memory.
    if (count > quint32(stream.size()))
        throw NotARecording();
    for (quint32 i = 0; i < count; ++i) {
        QByteArray page;
        in >> page;
        if (in.status() != QDataStream::Ok)
            throw NotARecording();
        FPages.append(page);
    }
}

void TRecordedJob::PlayPage(QPainter &painter, int page, double pixelsPerInch) const
{
    if (page < 0 || page >= PageCount())
        return;
    QPicture picture;
    picture.setData(FPages[page].constData(), uint(FPages[page].size()));
    painter.save();
    const double scale = pixelsPerInch / FDotsPerInch;
    painter.scale(scale, scale);
    // Replaying scales by the device's resolution over the picture's; undo
    // that so the mapping above is the only one.
    const QPaintDevice *device = painter.device();
    painter.scale(qreal(picture.logicalDpiX()) / device->logicalDpiX(),
                  qreal(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

QImage TRecordedJob::RenderPage(int page, double pixelsPerInch) const
{
    QImage image(int(std::lround(FPaperInches.width() * pixelsPerInch)),
                 int(std::lround(FPaperInches.height() * pixelsPerInch)), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(pixelsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PlayPage(painter, page, pixelsPerInch);
    return image;
}
