// Design file names: the extension rule, Save As proposals and the
// companion file beside each design.
#include "core/TCompanionFile.h"
#include "core/TDesignFileNames.h"
#include "platform/EQuandrelError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestDesignFileNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void companionReplacesTheDesignsOwnExtension_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("companion");
        QTest::newRow("dotted folder") << "/tmp/v1.2/card.qdl" << "/tmp/v1.2/card.QDE";
        QTest::newRow("dotted name") << "/home/a/my.card.QDL" << "/home/a/my.card.QDE";
        QTest::newRow("no extension") << "/home/a.b/card" << "/home/a.b/card.QDE";
        QTest::newRow("no folder") << "card.qdl" << "card.QDE";
    }
    void companionReplacesTheDesignsOwnExtension()
    {
        QFETCH(QString, design);
        QFETCH(QString, companion);
        QCOMPARE(TDesignFileNames::CompanionFileName(design), companion);
    }

    void designExtensionIsCaseBlind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("design");
        QTest::addColumn<QString>("saved");
        QTest::newRow("upper") << "/a/B.QDL" << true << "/a/B.QDL";
        QTest::newRow("mixed") << "/a/b.Qdl" << true << "/a/b.Qdl";
        QTest::newRow("other") << "/a/b.txt" << false << "/a/b.txt.QDL";
        QTest::newRow("dotted folder only") << "/a.qdl/b" << false << "/a.qdl/b.QDL";
    }
    void designExtensionIsCaseBlind()
    {
        QFETCH(QString, name);
        QFETCH(bool, design);
        QFETCH(QString, saved);
        QCOMPARE(TDesignFileNames::HasDesignExtension(name), design);
        QCOMPARE(TDesignFileNames::WithDesignExtension(name), saved);
    }

    void proposalTakesTheFirstFreeNumber()
    {
        QTemporaryDir folder;
        QCOMPARE(TDesignFileNames::ProposedName(folder.path()), QStringLiteral("BC0001.QDL"));
        WriteFile(folder.filePath(QStringLiteral("BC0001.QDL")), "x");
        WriteFile(folder.filePath(QStringLiteral("BC0003.QDL")), "x");
        QCOMPARE(TDesignFileNames::ProposedName(folder.path()), QStringLiteral("BC0002.QDL"));
    }

    void companionRoundTripsAndGoesWithoutArt()
    {
        QTemporaryDir folder;
        const QString design = folder.filePath(QStringLiteral("card.qdl"));
        const QString companion = folder.filePath(QStringLiteral("card.QDE"));
        QVERIFY(TCompanionFile::ReadArtFileName(design).isEmpty());
        const QString art = QStringLiteral("/art/Café résumé.bmp");
        TCompanionFile::Write(design, art);
        QFile written(companion);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), art.toUtf8() + "\r\n");
        QCOMPARE(TCompanionFile::ReadArtFileName(design), art);
        TCompanionFile::Write(design, QString());
        QVERIFY(!QFileInfo::exists(companion));
    }

    void companionFromTheWindowsProgramReadsInItsCodePage()
    {
        QTemporaryDir folder;
        const QString design = folder.filePath(QStringLiteral("card.qdl"));
        WriteFile(folder.filePath(QStringLiteral("card.QDE")), "C:\\BG\\caf\xe9.bmp\r\nsecond line\r\n");
        QCOMPARE(TCompanionFile::ReadArtFileName(design), QStringLiteral("C:\\BG\\café.bmp"));
    }

    void companionThatCannotBeReplacedIsAnError()
    {
        QTemporaryDir folder;
        const QString design = folder.filePath(QStringLiteral("card.qdl"));
        // A folder in the companion's place can be neither written nor removed.
        QVERIFY(QDir().mkdir(folder.filePath(QStringLiteral("card.QDE"))));
        QVERIFY_THROWS_EXCEPTION(EQuandrelError, TCompanionFile::Write(design, QStringLiteral("/art/a.bmp")));
        QVERIFY_THROWS_EXCEPTION(EQuandrelError, TCompanionFile::Write(design, QString()));
    }
};

QTEST_GUILESS_MAIN(TestDesignFileNames)
#include "tst_design_file_names.moc"
