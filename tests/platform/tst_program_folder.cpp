#include "platform/TProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

void writeFile(const QString &fileName, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(fileName).path()));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Every case starts with an empty program folder and a shipped art folder
// holding one picture in each of "bg", "bmbrush" and "clipart".
class TestProgramFolder : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FProgram;
    std::unique_ptr<QTemporaryDir> FShipped;

    QString programFile(const QString &name) const { return FProgram->filePath(name); }

private Q_SLOTS:
    void init()
    {
        FProgram = std::make_unique<QTemporaryDir>();
        FShipped = std::make_unique<QTemporaryDir>();
        QVERIFY(FProgram->isValid() && FShipped->isValid());
        TProgramFolder::SetOverride(FProgram->path());
        writeFile(FShipped->filePath(QStringLiteral("bg/sky.bmp")), "sky");
        writeFile(FShipped->filePath(QStringLiteral("bmbrush/wood.bmp")), "wood");
        writeFile(FShipped->filePath(QStringLiteral("clipart/star.wmf")), "star");
    }

    void cleanup() { TProgramFolder::SetOverride(QString()); }

    void firstStartSeedsEachPictureFolder()
    {
        TProgramFolder::CreateFolders(FShipped->path());
        QCOMPARE(TProgramFolder::ClipArtFolder(), programFile(QStringLiteral("clipart/")));
        QCOMPARE(readFile(TProgramFolder::BackgroundArtFolder() + QStringLiteral("sky.bmp")), QByteArray("sky"));
        QCOMPARE(readFile(TProgramFolder::BrushFolder() + QStringLiteral("wood.bmp")), QByteArray("wood"));
        QCOMPARE(readFile(TProgramFolder::ClipArtFolder() + QStringLiteral("star.wmf")), QByteArray("star"));
        QVERIFY(QFileInfo(TProgramFolder::SavedFolder()).isDir());
        QCOMPARE(filesIn(TProgramFolder::SavedFolder()), QStringList());
    }

    void deletedArtStaysDeleted()
    {
        TProgramFolder::CreateFolders(FShipped->path());
        QVERIFY(QFile::remove(TProgramFolder::BackgroundArtFolder() + QStringLiteral("sky.bmp")));
        TProgramFolder::CreateFolders(FShipped->path());
        QCOMPARE(filesIn(TProgramFolder::BackgroundArtFolder()), QStringList());
        QCOMPARE(filesIn(TProgramFolder::ClipArtFolder()), QStringList({"star.wmf"}));
    }

    void existingFolderIsLeftAsItIs()
    {
        writeFile(programFile(QStringLiteral("clipart/mine.wmf")), "mine");
        writeFile(programFile(QStringLiteral("clipart/star.wmf")), "my own star");
        TProgramFolder::CreateFolders(FShipped->path());
        QCOMPARE(filesIn(TProgramFolder::ClipArtFolder()), QStringList({"mine.wmf", "star.wmf"}));
        QCOMPARE(readFile(TProgramFolder::ClipArtFolder() + QStringLiteral("star.wmf")), QByteArray("my own star"));
        QCOMPARE(filesIn(TProgramFolder::BackgroundArtFolder()), QStringList({"sky.bmp"}));
    }

    void missingShippedArtGivesEmptyFolders()
    {
        TProgramFolder::CreateFolders(FShipped->filePath(QStringLiteral("nowhere")));
        QCOMPARE(filesIn(FProgram->path()), QStringList({"bg", "bmbrush", "clipart", "saved"}));
        for (const QString &folder : {TProgramFolder::BackgroundArtFolder(), TProgramFolder::BrushFolder(),
                                      TProgramFolder::ClipArtFolder(), TProgramFolder::SavedFolder()})
            QVERIFY2(filesIn(folder).isEmpty(), qPrintable(folder));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
