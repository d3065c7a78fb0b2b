#include "core/TDefaultFont.h"
#include "core/TFont.h"
#include "core/TRecentFiles.h"
#include "core/TSettingsFile.h"
#include "platform/TIniFile.h"
#include "platform/TProgramFolder.h"
#include "printing/TCardLayout.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeAll(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything different from the defaults, so a key that is not saved or
// loaded shows.
TPreferences customPreferences()
{
    TPreferences p;
    p.Nudges = {3, -2, 1, 0x7F};
    p.ShowBottomMarginWarning = false;
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i)
        p.Personal.Fields[size_t(i)] = QStringLiteral("field %1 \u00E9").arg(i);
    p.Layout.Height = 2.126f;
    p.Layout.Width = 3.543f;
    p.Layout.Across = 3;
    p.Layout.Down = 7;
    p.Layout.TopMargin = 0.531f;
    p.Layout.LeftMargin = 0.591f;
    p.Layout.HPitch = 3.6f;
    p.Layout.VPitch = 2.2f;
    p.Layout.PredefLayout = 12;
    p.Layout.Papersize = 9;
    p.Layout.UseMM = true;
    p.DefaultFont = {QStringLiteral("Times New Roman"), 14, true, true, true};
    return p;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FFolder;
    QString FFileName;

    TSettingsFile settings() const { return TSettingsFile(FFileName); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FFolder.isValid()); }
    void init()
    {
        FFileName = FFolder.filePath(QStringLiteral("QDL.INI"));
        QFile::remove(FFileName);
    }

    void missingFileGivesTheDefaults()
    {
        const TPreferences p = settings().LoadPreferences();
        QCOMPARE(p, TPreferences());
        QCOMPARE(p.Layout.Width, 3.5f);
        QCOMPARE(p.Layout.Height, 2.0f);
        QCOMPARE(p.Layout.Across, 2);
        QCOMPARE(p.Layout.Down, 5);
        QCOMPARE(p.Layout.TopMargin, 0.5f);
        QCOMPARE(p.Layout.LeftMargin, 0.75f);
        QCOMPARE(p.Layout.Papersize, 1);
        QVERIFY(p.ShowBottomMarginWarning);
        QCOMPARE(p.DefaultFont.Name, QStringLiteral("Arial"));
        QCOMPARE(p.DefaultFont.Size, 10);
        QVERIFY(settings().LoadRecentFiles().isEmpty());
        QCOMPARE(settings().LoadPlacement(QStringLiteral("TMainScreen"), 96, true), (TWindowPlacement{0, 0, 0, 0, true}));
    }

    void corruptFileOrValuesGiveTheDefaults()
    {
        writeAll(FFileName, QByteArray("\x00\x01\xFF[Layout\x00\n", 12)
                                + "[Layout]\nWidth=wide\nHeight=\nAcross=0\n[Printer]\nTopMarginNudge=0x\n");
        const TPreferences p = settings().LoadPreferences();
        QCOMPARE(p.Layout.Width, 3.5f);
        QCOMPARE(p.Layout.Height, 2.0f);
        QCOMPARE(p.Layout.Across, 0); // numbers are used as stored, however odd
        QCOMPARE(p.Nudges.TopMarginNudge, 0);
    }

    void preferencesRoundTripAndKeepOtherLines()
    {
        writeAll(FFileName, "; mine\n[Other]\nKey=Value\n[LAYOUT]\nwidth=1\n");
        const TPreferences saved = customPreferences();
        settings().SavePreferences(saved);
        QCOMPARE(settings().LoadPreferences(), saved);
        const QByteArray content = readAll(FFileName);
        QVERIFY(content.startsWith("; mine\n[Other]\nKey=Value\n[LAYOUT]\nwidth=3543\n"));
        QVERIFY(content.contains("HorizontalSpacing=127\n"));
        QVERIFY(content.contains("ShowBottomMarginWarning=0\n"));
        QVERIFY(content.contains("Name=field 0 \xC3\xA9\n"));
    }

    void layoutKeysAreWrittenInTheirOrder()
    {
        settings().SavePreferences(TPreferences());
        const QStringList keys = TIniFile(FFileName).ReadSection(u"Layout");
        QCOMPARE(keys.join(u','), QStringLiteral("Height,Width,TopMargin,LeftMargin,HPitch,VPitch,PredefLayout,"
                                                 "Papersize,Across,Down,UseMM"));
        QCOMPARE(TIniFile(FFileName).ReadInteger(u"Layout", u"Height", 0), 2000);
        QCOMPARE(TIniFile(FFileName).ReadInteger(u"Layout", u"Width", 0), 3500);
    }

    void layoutLengthsInThousandths_data()
    {
        QTest::addColumn<float>("inches");
        QTest::addColumn<int>("stored");
        QTest::newRow("card width") << 3.5f << 3500;
        QTest::newRow("rounds down") << 3.3334f << 3333;
        QTest::newRow("half to even, down") << 2.0625f << 2062;
        QTest::newRow("half to even, up") << 0.1875f << 188;
        QTest::newRow("single precision of 3.543") << 3.543f << 3543;
        QTest::newRow("negative") << -0.25f << -250;
    }

    void layoutLengthsInThousandths()
    {
        QFETCH(float, inches);
        QFETCH(int, stored);
        TPreferences p;
        p.Layout.Width = inches;
        settings().SavePreferences(p);
        QCOMPARE(TIniFile(FFileName).ReadInteger(u"Layout", u"Width", 0), stored);
        QCOMPARE(settings().LoadPreferences().Layout.Width, float(stored / 1000.0));
    }

    void defaultFontStyles_data()
    {
        QTest::addColumn<QByteArray>("boldLine");
        QTest::addColumn<bool>("bold");
        QTest::newRow("five") << QByteArray("Bold=5") << true;
        QTest::newRow("one") << QByteArray("Bold=1") << true;
        QTest::newRow("hex") << QByteArray("bold=0x10") << true;
        QTest::newRow("zero") << QByteArray("Bold=0") << false;
        QTest::newRow("unreadable") << QByteArray("Bold=yes") << false;
        QTest::newRow("missing") << QByteArray() << false;
    }

    void defaultFontStyles()
    {
        QFETCH(QByteArray, boldLine);
        QFETCH(bool, bold);
        writeAll(FFileName, "[Default Font]\nName=Courier New\nSize=12\n" + boldLine + "\nItalic=-1\n");
        TPreferences p = settings().LoadPreferences();
        QCOMPARE(p.DefaultFont.Bold, bold);
        QVERIFY(p.DefaultFont.Italic);
        QVERIFY(!p.DefaultFont.Underline);
        QCOMPARE(p.DefaultFont.Size, 12);
        settings().SavePreferences(p);
        const TIniFile ini(FFileName);
        QCOMPARE(ini.ReadString(u"Default Font", u"Bold", QString()), bold ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(ini.ReadString(u"Default Font", u"Italic", QString()), QStringLiteral("1"));
    }

    void defaultFontAppliesItsStylesAndKeepsStrikeOut()
    {
        TFont font;
        font.SetStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
        const TDefaultFont chosen{QStringLiteral("Courier New"), 12, false, true, false};
        chosen.ApplyTo(font);
        QCOMPARE(font.Name(), QStringLiteral("Courier New"));
        QCOMPARE(font.Size(), 12);
        QCOMPARE(font.Style(), TFontStyles({TFontStyle::fsItalic, TFontStyle::fsStrikeOut}));
        QCOMPARE(TDefaultFont::FromFont(font), chosen);
    }

    void placementHasARecordPerPixelsPerInch()
    {
        const QString window = QStringLiteral("TMainScreen");
        QCOMPARE(TWindowPlacement::SectionName(window, 96), QStringLiteral("TMainScreen_Placement"));
        QCOMPARE(TWindowPlacement::SectionName(window, 72), QStringLiteral("TMainScreen_Placement"));
        QCOMPARE(TWindowPlacement::SectionName(window, 120), QStringLiteral("TMainScreen_Placement120"));
        const TWindowPlacement normal = TWindowPlacement::FromRect(QRect(10, 20, 622, 404), false);
        const TWindowPlacement large{100, 50, 1300, 950, true};
        settings().SavePlacement(window, 96, normal);
        settings().SavePlacement(window, 120, large);
        QCOMPARE(settings().LoadPlacement(window, 96, true), normal);
        QCOMPARE(settings().LoadPlacement(window, 120, false), large);
        QCOMPARE(normal.Rect(), QRect(10, 20, 622, 404));
        const TIniFile ini(FFileName);
        QCOMPARE(ini.ReadInteger(u"TMainScreen_Placement120", u"Right", 0), 1300);
        QCOMPARE(ini.ReadInteger(u"TMainScreen_Placement", u"Right", 0), 632);
        QVERIFY(!ini.SectionExists(u"TMainScreen_Placement144"));
    }

    void placementIsPulledBackOntoTheScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("on screen") << QRect(10, 10, 300, 200) << QRect(10, 10, 300, 200);
        QTest::newRow("past right and bottom") << QRect(700, 500, 300, 200) << QRect(500, 400, 300, 200);
        QTest::newRow("wider and taller than the screen") << QRect(200, 100, 1000, 700) << QRect(1, 1, 1000, 700);
        QTest::newRow("off the left and top") << QRect(-40, -30, 300, 200) << QRect(1, 1, 300, 200);
    }

    void placementIsPulledBackOntoTheScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, kept);
        QCOMPARE(TWindowPlacement::KeptOnScreen(stored, QSize(800, 600)), kept);
    }

    void recentFilesKeepTheFiveMostRecent()
    {
        TRecentFiles recent;
        for (int i = 1; i <= 6; ++i)
            recent.Add(QStringLiteral("/designs/card%1.qdl").arg(i));
        const QStringList five = {"/designs/card6.qdl", "/designs/card5.qdl", "/designs/card4.qdl",
                                  "/designs/card3.qdl", "/designs/card2.qdl"};
        QCOMPARE(recent.Files(), five);
        recent.Add(QStringLiteral("/DESIGNS/Card4.QDL"));
        QCOMPARE(recent.Files(), QStringList({"/DESIGNS/Card4.QDL", "/designs/card6.qdl", "/designs/card5.qdl",
                                              "/designs/card3.qdl", "/designs/card2.qdl"}));
        QVERIFY(recent.Remove(QStringLiteral("/designs/CARD6.qdl")));
        QVERIFY(!recent.Remove(QStringLiteral("/designs/card6.qdl")));
        QCOMPARE(recent.Files().size(), 4);
        QCOMPARE(TRecentFiles::MenuCaption(0, QStringLiteral("/a&b/c.qdl")), QStringLiteral("&1 /a&&b/c.qdl"));
    }

    void recentFilesReplaceTheWholeSection()
    {
        writeAll(FFileName, "[MRU]\nF0=/old/a.qdl\nF1=/old/b.qdl\nOdd=/old/c.qdl\n[Other]\nK=V\n");
        QCOMPARE(settings().LoadRecentFiles(), QStringList({"/old/a.qdl", "/old/b.qdl", "/old/c.qdl"}));
        settings().SaveRecentFiles({"/new/x.qdl", "/new/y.qdl"});
        QCOMPARE(settings().LoadRecentFiles(), QStringList({"/new/x.qdl", "/new/y.qdl"}));
        QCOMPARE(readAll(FFileName), QByteArray("[Other]\nK=V\n\n[MRU]\nF0=/new/x.qdl\nF1=/new/y.qdl\n"));
        const TRecentFiles loaded({"", "/1", "/2", "/3", "/4", "/5", "/6"});
        QCOMPARE(loaded.Files(), QStringList({"/1", "/2", "/3", "/4", "/5"}));
    }

    void programFolderMakesItsFolders()
    {
        TProgramFolder::SetOverride(FFolder.path());
        QCOMPARE(TProgramFolder::Path(), FFolder.path() + u'/');
        QCOMPARE(TProgramFolder::SettingsFileName(), FFolder.filePath(QStringLiteral("QDL.INI")));
        TProgramFolder::CreateFolders();
        for (const char *name : {"saved", "bg", "bmbrush"})
            QVERIFY2(QFileInfo(FFolder.filePath(QString::fromLatin1(name))).isDir(), name);
        TProgramFolder::SetOverride(QString());
    }

    void cardLayoutValidation_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::addColumn<int>("across");
        QTest::addColumn<float>("hPitch");
        QTest::addColumn<int>("down");
        QTest::addColumn<float>("vPitch");
        QTest::addColumn<QString>("message");
        const QString heightMessage = QStringLiteral("Card Height must be at least .3 inches (or 7mm)");
        const QString widthMessage = QStringLiteral("Card Width must be at least .5 inch (or 13mm)");
        const QString hPitchMessage = QStringLiteral("Horizontal Pitch must be at least = Card Width");
        const QString vPitchMessage = QStringLiteral("Vertical Pitch must be at least = Card Height");
        QTest::newRow("smallest card") << 0.3f << 0.5f << 2 << 0.5f << 5 << 0.3f << QString();
        QTest::newRow("too low") << 0.299f << 0.4f << 2 << 0.1f << 5 << 0.1f << heightMessage;
        QTest::newRow("too narrow") << 2.0f << 0.499f << 2 << 0.1f << 5 << 0.1f << widthMessage;
        QTest::newRow("pitch below width") << 2.0f << 3.5f << 2 << 3.499f << 5 << 0.1f << hPitchMessage;
        QTest::newRow("one across, any pitch") << 2.0f << 3.5f << 1 << 0.0f << 5 << 2.0f << QString();
        QTest::newRow("pitch below height") << 2.0f << 3.5f << 2 << 3.5f << 2 << 1.999f << vPitchMessage;
        QTest::newRow("one down, any pitch") << 2.0f << 3.5f << 2 << 3.5f << 1 << 0.0f << QString();
    }

    void cardLayoutValidation()
    {
        TCardLayout layout;
        QFETCH(float, height);
        QFETCH(float, width);
        QFETCH(int, across);
        QFETCH(float, hPitch);
        QFETCH(int, down);
        QFETCH(float, vPitch);
        QFETCH(QString, message);
        layout.Height = height;
        layout.Width = width;
        layout.Across = across;
        layout.HPitch = hPitch;
        layout.Down = down;
        layout.VPitch = vPitch;
        QCOMPARE(layout.ValidationMessage(), message);
    }

    void cardLayoutFormatsAndConversions()
    {
        QCOMPARE(TCardLayout::FormatInches(3.5), QStringLiteral("3.5"));
        QCOMPARE(TCardLayout::FormatInches(2.0), QStringLiteral("2.0"));
        QCOMPARE(TCardLayout::FormatInches(0.0), QStringLiteral("0.0"));
        QCOMPARE(TCardLayout::FormatInches(double(3.543f)), QStringLiteral("3.543"));
        QCOMPARE(TCardLayout::FormatInches(0.0625), QStringLiteral("0.063"));
        QCOMPARE(TCardLayout::FormatInches(88.9 * 0.039370078740157480314), QStringLiteral("3.5"));
        QCOMPARE(TCardLayout::FormatMillimetres(TCardLayout::InchesToMillimetres(double(3.543f))), QStringLiteral("89.99"));
        QCOMPARE(TCardLayout::FormatMillimetres(TCardLayout::InchesToMillimetres(2.0)), QStringLiteral("50.80"));
        QCOMPARE(TCardLayout::RoundToThousandths(TCardLayout::MillimetresToInches(88.9)), 3.5f);
        QCOMPARE(TCardLayout::RoundToThousandths(TCardLayout::MillimetresToInches(7.0)), 0.276f);
        QCOMPARE(TCardLayout::RoundToThousandths(12345.6789), 12345.68f);
    }

    void cardLayoutPredefinedAndPaper()
    {
        QCOMPARE(TCardLayout::PredefinedNames().size(), TCardLayout::PredefinedCount);
        QCOMPARE(TCardLayout::PredefinedNames().at(13), QStringLiteral("Avery Business Card L7419 (A4)"));
        TCardLayout layout;
        layout.Across = 1;
        layout.Down = 9;
        layout.PredefLayout = 3;
        layout.ApplyPredefined(12);
        TCardLayout expected;
        expected.Width = 3.543f;
        expected.Height = 2.126f;
        expected.TopMargin = 0.531f;
        expected.LeftMargin = 0.591f;
        expected.HPitch = 3.543f;
        expected.VPitch = 2.126f;
        expected.Papersize = 9;
        expected.PredefLayout = 3;
        QCOMPARE(layout, expected);
        QCOMPARE(layout.PaperSizeInches(), QSizeF(8.268, 11.69));
        layout.Papersize = 1;
        QCOMPARE(layout.PaperSizeInches(), QSizeF(8.5, 11.0));
        QCOMPARE(TCardLayout::PaperListEntries(),
                 QStringList({"Letter (8.5 x 11\")", "A4 (210 x 297mm)", QString()}));
        QCOMPARE(TCardLayout::PaperListIndex(5), -1);
        QCOMPARE(TCardLayout::PapersizeOfListEntry(2, 5), 5);
        QCOMPARE(TCardLayout::PapersizeOfListEntry(-1, 5), 5);
        QCOMPARE(TCardLayout::PapersizeOfListEntry(1, 5), 9);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
