#include "platform/ImageLimits.h"

#include "platform/EQuandrelError.h"

#include <QString>

void ImageLimits::Check(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw EQuandrelError(QStringLiteral("The picture has no pixels."));
    if (width > MaxSide || height > MaxSide || width * height * 4 > MaxDecodedBytes)
        throw EQuandrelError(QStringLiteral("The picture is %1 × %2 pixels, larger than Quandrel reads "
                                            "(at most %3 pixels a side and %4 MB decoded).")
                                 .arg(width)
                                 .arg(height)
                                 .arg(MaxSide)
                                 .arg(MaxDecodedBytes / (1024 * 1024)));
}
