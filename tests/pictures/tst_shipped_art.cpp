#include "core/TPicture.h"
#include "platform/EQuandrelError.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTransform>
#include <cstdlib>
#include <memory>

// The art that ships with Quandrel (resources/art): what make_art.py writes
// must be read by Quandrel's own decoders and player, not only by other tools.
namespace {

const QSize CardSize(336, 192); // 3.5 x 2 inches at 96 pixels per inch
const QSize TextureSize(64, 64);

QString artFolder(const QString &name)
{
    return QString::fromUtf8(QUANDREL_ART_FOLDER) + u'/' + name;
}

QFileInfoList artFiles(const QString &name)
{
    return QDir(artFolder(name)).entryInfoList(QDir::Files, QDir::Name);
}

// One row per file of the folder.
void addArtRows(const QString &name, QSize naturalSize)
{
    for (const QFileInfo &file : artFiles(name))
        QTest::newRow(qPrintable(name + u'/' + file.fileName())) << file.filePath() << naturalSize;
}

// A picture that cannot be read stays empty; the reason is logged.
std::unique_ptr<TPicture> loaded(const QString &fileName)
{
    auto picture = std::make_unique<TPicture>();
    try {
        picture->LoadFromFile(fileName);
    } catch (const EQuandrelError &error) {
        qWarning("%s", qPrintable(error.message()));
    }
    return picture;
}

QImage drawn(const TPicture &picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, QRectF(QPointF(0, 0), size), false, false);
    return image;
}

double nonWhiteShare(const QImage &image)
{
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return double(count) / (qint64(image.width()) * image.height());
}

double meanGrey(const QImage &image)
{
    double total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            total += qGray(image.pixel(x, y));
    return total / (qint64(image.width()) * image.height());
}

// Mean difference of two columns, summed over red, green and blue.
double columnDistance(const QImage &image, int a, int b)
{
    double total = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(a, y);
        const QRgb q = image.pixel(b, y);
        total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return total / image.height();
}

// Where a tile meets the next one, its last column is followed by its first:
// that step must look like any other step between neighbouring columns.
void verifyColumnsWrapAround(const QImage &image)
{
    const int last = image.width() - 1;
    double neighbours = 0;
    for (int x = 0; x < last; ++x)
        neighbours += columnDistance(image, x, x + 1);
    const double typical = neighbours / last;
    const double seam = columnDistance(image, last, 0);
    QVERIFY2(seam <= 2 * typical + 3, qPrintable(QStringLiteral("seam %1, typical step %2").arg(seam).arg(typical)));
}

} // namespace

class TestShippedArt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderShipsFormats_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("minimumCount");
        QTest::addColumn<QStringList>("suffixes");
        QTest::newRow("backgrounds") << "bg" << 5 << QStringList({"bmp", "wmf"});
        QTest::newRow("textures") << "bmbrush" << 4 << QStringList({"bmp"});
        QTest::newRow("clip art") << "clipart" << 6 << QStringList({"bmp", "pcx", "wmf"});
    }

    void folderShipsFormats()
    {
        QFETCH(QString, folder);
        QFETCH(int, minimumCount);
        QFETCH(QStringList, suffixes);
        const QFileInfoList files = artFiles(folder);
        QVERIFY2(files.size() >= minimumCount, qPrintable(QString::number(files.size())));
        QSet<QString> found;
        for (const QFileInfo &file : files)
            found.insert(file.suffix());
        QCOMPARE(found, QSet<QString>(suffixes.begin(), suffixes.end()));
    }

    void pictureLoadsAndDraws_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QSize>("naturalSize"); // invalid: any size
        addArtRows(QStringLiteral("bg"), CardSize);
        addArtRows(QStringLiteral("bmbrush"), TextureSize);
        addArtRows(QStringLiteral("clipart"), QSize());
    }

    void pictureLoadsAndDraws()
    {
        QFETCH(QString, fileName);
        QFETCH(QSize, naturalSize);
        const auto picture = loaded(fileName);
        const QSize size(picture->Width(), picture->Height());
        QVERIFY(!size.isEmpty());
        if (naturalSize.isValid())
            QCOMPARE(size, naturalSize);
        QVERIFY(nonWhiteShare(drawn(*picture, size)) > 0.05);
    }

    void backgroundLeavesBlackTextReadable_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QSize>("naturalSize");
        addArtRows(QStringLiteral("bg"), CardSize);
    }

    void backgroundLeavesBlackTextReadable()
    {
        QFETCH(QString, fileName);
        const QImage image = drawn(*loaded(fileName), CardSize);
        QVERIFY2(meanGrey(image) >= 200, qPrintable(QString::number(meanGrey(image))));
    }

    void textureTilesSeamlessly_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QSize>("naturalSize");
        addArtRows(QStringLiteral("bmbrush"), TextureSize);
    }

    void textureTilesSeamlessly()
    {
        QFETCH(QString, fileName);
        const QImage image = loaded(fileName)->Image();
        QVERIFY(!image.isNull());
        verifyColumnsWrapAround(image);
        if (QTest::currentTestFailed())
            return;
        verifyColumnsWrapAround(image.transformed(QTransform().rotate(90))); // rows
    }
};

QTEST_MAIN(TestShippedArt)
#include "tst_shipped_art.moc"
