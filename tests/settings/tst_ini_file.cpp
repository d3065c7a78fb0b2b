#include "platform/EQuandrelError.h"
#include "platform/TIniFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

// A file as another program (or an older version, or a person) left it:
// CRLF line endings, comments, blank lines, odd spacing and case, and a last
// line without a line ending.
const QByteArray ForeignFile = "; settings of a test\r\n"
                               "\r\n"
                               "[Layout]\r\n"
                               "  Width = 3500 \r\n"
                               "height=2000\r\n"
                               "; trailing comment of Layout\r\n"
                               "\r\n"
                               "[Unknown Section]\r\n"
                               "Anything=kept as it is\r\n"
                               "a line without equals\r\n"
                               "[layout]\r\n"
                               "Width=9999\r\n"
                               "[Default Font]\r\n"
                               "Name=Arial";

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeAll(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FFolder;

    QString path(const QString &name) const { return FFolder.filePath(name); }
    QString foreignFile()
    {
        const QString name = path(QStringLiteral("foreign.ini"));
        writeAll(name, ForeignFile);
        return name;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FFolder.isValid()); }

    void namesMatchWithoutRegardToCaseAndTheFirstSectionWins()
    {
        const TIniFile ini(foreignFile());
        QCOMPARE(ini.ReadString(u"LAYOUT", u"WIDTH", QStringLiteral("none")), QStringLiteral("3500"));
        QCOMPARE(ini.ReadInteger(u"layout", u"Height", -1), 2000);
        QCOMPARE(ini.ReadString(u"unknown section", u"anything", QString()), QStringLiteral("kept as it is"));
        QCOMPARE(ini.ReadString(u"Layout", u"Missing", QStringLiteral("dflt")), QStringLiteral("dflt"));
        QCOMPARE(ini.ReadString(u"No Such", u"Width", QStringLiteral("dflt")), QStringLiteral("dflt"));
        QCOMPARE(ini.ReadString(u"Default Font", u"Name", QString()), QStringLiteral("Arial"));
        QVERIFY(ini.SectionExists(u"DEFAULT FONT"));
        QCOMPARE(ini.ReadSection(u"Layout"), QStringList({QStringLiteral("Width"), QStringLiteral("height")}));
    }

    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        const int fallback = -12345;
        QTest::newRow("decimal") << "42" << 42;
        QTest::newRow("signs") << "-7" << -7;
        QTest::newRow("plus") << "+5" << 5;
        QTest::newRow("hex") << "0x1F" << 31;
        QTest::newRow("hex upper X") << "0XfF" << 255;
        QTest::newRow("hex wraps to negative") << "0xFFFFFFFF" << -1;
        QTest::newRow("negative hex") << "-0x10" << -16;
        QTest::newRow("int minimum") << "-2147483648" << int(0x80000000);
        QTest::newRow("int maximum") << "2147483647" << 2147483647;
        QTest::newRow("too large") << "2147483648" << fallback;
        QTest::newRow("hex too long") << "0x100000000" << fallback;
        QTest::newRow("trailing garbage") << "12abc" << fallback;
        QTest::newRow("fraction") << "1.5" << fallback;
        QTest::newRow("bare prefix") << "0x" << fallback;
        QTest::newRow("bad hex digit") << "0x1G" << fallback;
        QTest::newRow("empty") << "" << fallback;
        QTest::newRow("sign only") << "-" << fallback;
    }

    void integers()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const QString name = path(QStringLiteral("integers.ini"));
        writeAll(name, "[S]\nValue=" + text.toUtf8() + "\n");
        QCOMPARE(TIniFile(name).ReadInteger(u"S", u"Value", -12345), expected);
    }

    void booleansAreAnyNonZeroInteger()
    {
        const QString name = path(QStringLiteral("bools.ini"));
        writeAll(name, "[S]\nFive=5\nZero=0\nHex=0x0\nJunk=yes\n");
        const TIniFile ini(name);
        QVERIFY(ini.ReadBool(u"S", u"Five", false));
        QVERIFY(!ini.ReadBool(u"S", u"Zero", true));
        QVERIFY(!ini.ReadBool(u"S", u"Hex", true));
        QVERIFY(ini.ReadBool(u"S", u"Junk", true));
        QVERIFY(!ini.ReadBool(u"S", u"Junk", false));
    }

    void writingChangesOnlyItsOwnLine()
    {
        const QString name = foreignFile();
        TIniFile ini(name);
        ini.WriteInteger(u"LAYOUT", u"width", 3333); // existing key, other case
        ini.WriteString(u"layout", u"TopMargin", QStringLiteral("500")); // new key of an existing section
        ini.WriteBool(u"Printer", u"ShowBottomMarginWarning", false); // new section
        const QByteArray expected = "; settings of a test\r\n"
                                    "\r\n"
                                    "[Layout]\r\n"
                                    "Width=3333\r\n"
                                    "height=2000\r\n"
                                    "TopMargin=500\r\n"
                                    "; trailing comment of Layout\r\n"
                                    "\r\n"
                                    "[Unknown Section]\r\n"
                                    "Anything=kept as it is\r\n"
                                    "a line without equals\r\n"
                                    "[layout]\r\n"
                                    "Width=9999\r\n"
                                    "[Default Font]\r\n"
                                    "Name=Arial\r\n"
                                    "\r\n"
                                    "[Printer]\r\n"
                                    "ShowBottomMarginWarning=0\r\n";
        QCOMPARE(readAll(name), expected);
        QCOMPARE(TIniFile(name).ReadInteger(u"Layout", u"Width", 0), 3333);
    }

    void writingTheSameValueLeavesTheFileAlone()
    {
        const QString name = foreignFile();
        TIniFile ini(name);
        ini.WriteInteger(u"Layout", u"Width", 3500);
        QCOMPARE(readAll(name), ForeignFile);
    }

    void erasingRemovesEverySectionOfThatName()
    {
        const QString name = foreignFile();
        TIniFile ini(name);
        ini.EraseSection(u"LAYOUT");
        QCOMPARE(readAll(name), QByteArray("; settings of a test\r\n"
                                           "\r\n"
                                           "[Unknown Section]\r\n"
                                           "Anything=kept as it is\r\n"
                                           "a line without equals\r\n"
                                           "[Default Font]\r\n"
                                           "Name=Arial"));
        QVERIFY(!TIniFile(name).SectionExists(u"Layout"));
    }

    void sectionValuesComeInFileOrderWithoutComments()
    {
        const QString name = path(QStringLiteral("mru.ini"));
        writeAll(name, "[MRU]\nF3=/c.qdl\n; old entry\nF0 = /a=b.qdl\nx=/d.qdl\n[Next]\nF1=/e.qdl\n");
        const QList<TIniFile::TEntry> entries = TIniFile(name).ReadSectionValues(u"mru");
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].Key, QStringLiteral("F3"));
        QCOMPARE(entries[1].Value, QStringLiteral("/a=b.qdl"));
        QCOMPARE(entries[2].Value, QStringLiteral("/d.qdl"));
    }

    void valuesAreTrimmedCutAndKeptOnOneLine()
    {
        const QString name = path(QStringLiteral("values.ini"));
        QFile::remove(name);
        TIniFile ini(name);
        ini.WriteString(u"S", u"Long", QString(2000, u'x'));
        ini.WriteString(u"S", u"Broken", QStringLiteral("one\ntwo\r\nInjected=1"));
        const TIniFile reread(name);
        QCOMPARE(reread.ReadString(u"S", u"Long", QString()).size(), TIniFile::MaxValueLength);
        QCOMPARE(reread.ReadString(u"S", u"Injected", QStringLiteral("absent")), QStringLiteral("absent"));
        QCOMPARE(reread.ReadSection(u"S").size(), 2);
    }

    void textIsUtf8AndAnsiLinesStillRead()
    {
        const QString name = path(QStringLiteral("encoding.ini"));
        writeAll(name, "\xEF\xBB\xBF[Personal]\nName=M\xFCller\nCompany=Caf\xC3\xA9\n");
        TIniFile ini(name);
        QCOMPARE(ini.ReadString(u"Personal", u"Name", QString()), QStringLiteral("M\u00FCller"));
        QCOMPARE(ini.ReadString(u"Personal", u"Company", QString()), QStringLiteral("Caf\u00E9"));
        ini.WriteString(u"Personal", u"Title", QStringLiteral("Gr\u00FC\u00DFe \u20AC"));
        QCOMPARE(readAll(name), QByteArray("\xEF\xBB\xBF[Personal]\nName=M\xFCller\nCompany=Caf\xC3\xA9\n"
                                           "Title=Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\n"));
        QCOMPARE(TIniFile(name).ReadString(u"personal", u"title", QString()), QStringLiteral("Gr\u00FC\u00DFe \u20AC"));
    }

    void missingFileReadsEmptyAndTheFirstWriteMakesIt()
    {
        const QString name = path(QStringLiteral("new.ini"));
        QFile::remove(name);
        TIniFile ini(name);
        QCOMPARE(ini.ReadInteger(u"S", u"K", 7), 7);
        QVERIFY(ini.ReadSectionValues(u"S").isEmpty());
        ini.WriteInteger(u"S", u"K", 8);
        QCOMPARE(readAll(name), QByteArray("[S]\nK=8\n"));
    }

    void binaryGarbageReadsEmptyAndSurvivesAWrite()
    {
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919 + 13) % 251 == 10 ? 0 : (i * 7919 + 13) % 251);
        garbage.replace('[', '{'); // no accidental section headers
        const QString name = path(QStringLiteral("garbage.ini"));
        writeAll(name, garbage);
        TIniFile ini(name);
        QCOMPARE(ini.ReadString(u"Layout", u"Width", QStringLiteral("dflt")), QStringLiteral("dflt"));
        ini.WriteInteger(u"Layout", u"Width", 3500);
        const QByteArray after = readAll(name);
        QVERIFY(after.startsWith(garbage));
        QCOMPARE(TIniFile(name).ReadInteger(u"Layout", u"Width", 0), 3500);
    }

    void unreadableFileReadsEmptyAndRefusesWrites()
    {
        const QString name = path(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(name));
        TIniFile ini(name);
        QCOMPARE(ini.ReadInteger(u"S", u"K", 3), 3);
        try {
            ini.WriteInteger(u"S", u"K", 4);
            QFAIL("a write to an unreadable file must fail");
        } catch (const EQuandrelError &error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to %1").arg(name));
        }
        QVERIFY(QFileInfo(name).isDir());
    }

    void writeIntoMissingFolderRaisesTheMessage()
    {
        const QString name = path(QStringLiteral("no/such/folder/QDL.INI"));
        TIniFile ini(name);
        QVERIFY_THROWS_EXCEPTION(EQuandrelError, ini.WriteString(u"S", u"K", QStringLiteral("v")));
    }

    void updateBracketSavesOnceAtTheEnd()
    {
        const QString name = path(QStringLiteral("batch.ini"));
        QFile::remove(name);
        TIniFile ini(name);
        ini.BeginUpdate();
        ini.WriteInteger(u"S", u"A", 1);
        ini.WriteInteger(u"S", u"B", 2);
        QVERIFY(!QFile::exists(name));
        ini.EndUpdate();
        QCOMPARE(readAll(name), QByteArray("[S]\nA=1\nB=2\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
