#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>

class QImage;
class QPainter;

// A job recorded for the preview: the paper, the resolution it was drawn
// at and every page as a recorded QPicture, in one byte stream. Replaying a
// page draws exactly what the print job drew, scaled to any resolution.
class TRecordedJob
{
public:
    static QByteArray Encode(QSizeF paperInches, double dotsPerInch, const QList<QByteArray> &pages);

    // Raises EQuandrelError for a stream that is not a recorded job.
    explicit TRecordedJob(const QByteArray &stream);

    int PageCount() const { return int(FPages.size()); }
    QSizeF PaperInches() const { return FPaperInches; }
    double DotsPerInch() const { return FDotsPerInch; }

    // Draws the page with the paper's corner at the painter's origin, at
    // pixelsPerInch device pixels per inch. A page outside the recording
    // draws nothing.
    void PlayPage(QPainter &painter, int page, double pixelsPerInch) const;
    // The page on white paper.
    QImage RenderPage(int page, double pixelsPerInch) const;

private:
    QSizeF FPaperInches;
    double FDotsPerInch = 0;
    QList<QByteArray> FPages;
};
