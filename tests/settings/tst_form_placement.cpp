#include "core/TSettingsFile.h"
#include "ui/TFormPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

const QString MainWindowClass = QStringLiteral("TMainScreen");

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

} // namespace

// The windows are never shown: their geometry is what the placement sets,
// without a window manager moving them.
class TestFormPlacement : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FFolder;

    TSettingsFile settings() const { return TSettingsFile(FFolder.filePath(QStringLiteral("QDL.INI"))); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FFolder.isValid()); }

    void nothingStoredCentresTheWindowOnTheScreen()
    {
        QWidget window;
        window.resize(622, 404);
        TFormPlacement::RestoreFormPlacement(window, MainWindowClass, settings());
        const QSize screen = screenSize();
        QCOMPARE(window.geometry(),
                 QRect((screen.width() - 622) / 2, (screen.height() - 404) / 2, 622, 404));
    }

    void savedPlacementComesBackPerScreenResolution()
    {
        QWidget window;
        window.setGeometry(30, 40, 300, 200);
        TFormPlacement::SaveFormPlacement(window, MainWindowClass, settings());
        const int pixelsPerInch = TFormPlacement::ScreenPixelsPerInch(window);
        QCOMPARE(settings().LoadPlacement(MainWindowClass, pixelsPerInch, true),
                 (TWindowPlacement{30, 40, 330, 240, false}));

        QWidget reopened;
        TFormPlacement::RestoreFormPlacement(reopened, MainWindowClass, settings());
        QCOMPARE(reopened.geometry(), QRect(30, 40, 300, 200));
    }

    void placementFromALargerScreenIsPulledBack()
    {
        const QSize screen = screenSize();
        QWidget window;
        const int pixelsPerInch = TFormPlacement::ScreenPixelsPerInch(window);
        const QRect huge(200, 150, screen.width() + 100, screen.height() + 50);
        settings().SavePlacement(QStringLiteral("TPreview"), pixelsPerInch, TWindowPlacement::FromRect(huge, false));
        TFormPlacement::RestoreFormPlacement(window, QStringLiteral("TPreview"), settings());
        QCOMPARE(window.geometry(), QRect(QPoint(1, 1), huge.size()));
    }

    void maximisedRecordMaximises()
    {
        QWidget window;
        const int pixelsPerInch = TFormPlacement::ScreenPixelsPerInch(window);
        settings().SavePlacement(QStringLiteral("TBig"), pixelsPerInch, TWindowPlacement{10, 10, 50, 50, true});
        TFormPlacement::RestoreFormPlacement(window, QStringLiteral("TBig"), settings());
        QVERIFY(window.windowState() & Qt::WindowMaximized);
    }

    void dialogsCentreOverTheMainWindow()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 600, 400);
        QWidget dialog;
        dialog.resize(301, 201);
        TFormPlacement::CenterForm(dialog, &mainWindow);
        QCOMPARE(dialog.pos(), QPoint(100 + 149, 80 + 99));

        QWidget wide;
        wide.resize(701, 101);
        TFormPlacement::CenterForm(wide, &mainWindow);
        QCOMPARE(wide.pos(), QPoint(100 - 50, 80 + 149)); // truncated toward zero

        mainWindow.setWindowState(Qt::WindowMaximized);
        TFormPlacement::CenterForm(dialog, &mainWindow);
        const QSize screen = screenSize();
        QCOMPARE(dialog.pos(), QPoint((screen.width() - 301) / 2, (screen.height() - 201) / 2));
    }
};

QTEST_MAIN(TestFormPlacement)
#include "tst_form_placement.moc"
