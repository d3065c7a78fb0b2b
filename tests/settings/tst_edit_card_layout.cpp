#include "printing/TCardLayout.h"
#include "ui/TDialogStrip.h"
#include "ui/TEditCardLayout.h"
#include "ui/TNumEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

const char *const LengthFields[] = {"eCardwidth", "eCardHeight", "etopmarg", "eleftmarg", "eHorizPitch", "eVertPitch"};

// The dialog as the main window opens it, shown and active so that focus
// moves between its fields as the user's would.
class TLayoutDialog
{
public:
    explicit TLayoutDialog(const TCardLayout &layout)
    {
        FDialog.SetCardLayout(layout);
        FDialog.show();
        FActive = QTest::qWaitForWindowActive(&FDialog);
    }

    bool IsActive() const { return FActive; }
    TEditCardLayout &Dialog() { return FDialog; }

    template <class T> T *Control(const char *name)
    {
        return FDialog.findChild<T *>(QString::fromLatin1(name));
    }
    QString Text(const char *field) { return Control<QLineEdit>(field)->text(); }
    double Value(const char *field) { return dynamic_cast<TNumEdit &>(*Control<QLineEdit>(field)).Value(); }

    // Tabbing into a field selects its text, so typing replaces it.
    void Type(const char *field, const QString &text)
    {
        QWidget *control = Control<QWidget>(field);
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(control, text);
    }
    // On the indicator: a radio button stretched by its layout answers only
    // to clicks on its indicator and caption.
    void Click(const char *button)
    {
        QAbstractButton *control = Control<QAbstractButton>(button);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }
    void ChoosePredefined(int index)
    {
        auto *list = Control<QComboBox>("PredefinedLayouts");
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }

    // Presses Ok and answers the information box if one comes up; gives its
    // title and text.
    QString PressOk()
    {
        QString shown;
        QTimer watcher;
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + QStringLiteral(": ") + box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        watcher.start();
        QTest::mouseClick(TDialogStrip::OkButton(FDialog), Qt::LeftButton);
        watcher.stop();
        return shown;
    }

private:
    TEditCardLayout FDialog;
    bool FActive = false;
};

TCardLayout millimetreLayout()
{
    TCardLayout layout;
    layout.UseMM = true;
    return layout;
}

} // namespace

class TestEditCardLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void predefinedLayoutShowsInMillimetres()
    {
        TLayoutDialog ui(millimetreLayout());
        QVERIFY(ui.IsActive());
        QVERIFY(ui.Control<QRadioButton>("MMButton")->isChecked());
        QCOMPARE(ui.Text("eCardwidth"), QStringLiteral("88.90"));
        ui.ChoosePredefined(12);
        QCOMPARE(ui.Control<QComboBox>("PredefinedLayouts")->currentText(),
                 QStringLiteral("Avery Business Card L7417 (A4 Size Paper)"));
        const QStringList shown = {"89.99", "54.00", "13.49", "15.01", "89.99", "54.00"};
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(ui.Text(LengthFields[i]), shown[i]);
        QCOMPARE(ui.Control<QComboBox>("epapersize")->currentText(), QStringLiteral("A4 (210 x 297mm)"));

        QCOMPARE(ui.PressOk(), QString());
        QCOMPARE(ui.Dialog().result(), int(QDialog::Accepted));
        TCardLayout expected;
        expected.ApplyPredefined(12);
        expected.PredefLayout = 12;
        expected.UseMM = true;
        QCOMPARE(ui.Dialog().CardLayout(), expected);
    }

    void millimetreEntriesBecomeThousandthsOfAnInch_data()
    {
        QTest::addColumn<QString>("millimetres");
        QTest::addColumn<float>("inches");
        QTest::newRow("business card") << "88.9" << 3.5f;
        QTest::newRow("rounded up") << "90.5" << 3.563f;
        QTest::newRow("rounded down") << "90.49" << 3.563f;
        QTest::newRow("whole") << "100" << 3.937f;
    }

    void millimetreEntriesBecomeThousandthsOfAnInch()
    {
        QFETCH(QString, millimetres);
        QFETCH(float, inches);
        TLayoutDialog ui(millimetreLayout());
        QVERIFY(ui.IsActive());
        ui.Type("eCardwidth", millimetres);
        QCOMPARE(ui.PressOk(), QString());
        QCOMPARE(ui.Dialog().CardLayout().Width, inches);
        QVERIFY(ui.Dialog().CardLayout().HPitch >= inches);
    }

    // Only Ok in millimetre mode rounds; switching units carries the exact
    // value both ways.
    void switchingUnitsKeepsTheExactValues()
    {
        TLayoutDialog ui(millimetreLayout());
        QVERIFY(ui.IsActive());
        ui.Type("eCardwidth", QStringLiteral("90.5"));
        ui.Click("Inchesbutton");
        QCOMPARE(ui.Text("eCardwidth"), QStringLiteral("3.563"));
        QCOMPARE(ui.Value("eCardwidth"), 90.5 * 0.039370078740157480314);
        ui.Click("Inchesbutton"); // already in inches: nothing converts again
        ui.Click("MMButton");
        QCOMPARE(ui.Text("eCardwidth"), QStringLiteral("90.50"));
        ui.Click("Inchesbutton");
        QCOMPARE(ui.PressOk(), QString());
        const TCardLayout accepted = ui.Dialog().CardLayout();
        QCOMPARE(accepted.Width, float(90.5 * 0.039370078740157480314 * 25.4 * 0.039370078740157480314));
        QVERIFY(accepted.Width != 3.563f);
        QVERIFY(!accepted.UseMM);
    }

    void leavingWidthOrHeightRaisesThePitch()
    {
        TLayoutDialog ui{TCardLayout()};
        QVERIFY(ui.IsActive());
        ui.Type("eCardwidth", QStringLiteral("4"));
        QCOMPARE(ui.Text("eHorizPitch"), QStringLiteral("3.5"));
        ui.Type("eCardHeight", QStringLiteral("2.25"));
        QCOMPARE(ui.Text("eHorizPitch"), QStringLiteral("4.0"));
        ui.Type("eVertPitch", QStringLiteral("3"));
        QCOMPARE(ui.Text("eVertPitch"), QStringLiteral("3")); // a higher pitch stays
        ui.Type("eCardHeight", QStringLiteral("2.5"));
        ui.Type("eCardwidth", QStringLiteral("1"));
        ui.Type("etopmarg", QStringLiteral("0.25"));
        QCOMPARE(ui.Text("eVertPitch"), QStringLiteral("3"));
        QCOMPARE(ui.Text("eHorizPitch"), QStringLiteral("4.0")); // never lowered
    }

    void enterInTheWidthFieldLeavesItBeforeTakingTheValues()
    {
        TLayoutDialog ui{TCardLayout()};
        QVERIFY(ui.IsActive());
        ui.Type("eCardwidth", QStringLiteral("4.25"));
        QTest::keyClick(ui.Control<QLineEdit>("eCardwidth"), Qt::Key_Return);
        QCOMPARE(ui.Dialog().result(), int(QDialog::Accepted));
        QCOMPARE(ui.Dialog().CardLayout().Width, 4.25f);
        QCOMPARE(ui.Dialog().CardLayout().HPitch, 4.25f);
    }

    void validation_data()
    {
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<QStringList>("entries"); // field, text, field, text...
        QTest::addColumn<QString>("message");
        const QString heightMessage = QStringLiteral("Information: Card Height must be at least .3 inches (or 7mm)");
        const QString widthMessage = QStringLiteral("Information: Card Width must be at least .5 inch (or 13mm)");
        const QString hPitchMessage = QStringLiteral("Information: Horizontal Pitch must be at least = Card Width");
        const QString vPitchMessage = QStringLiteral("Information: Vertical Pitch must be at least = Card Height");
        QTest::newRow("smallest card") << false << QStringList{"eCardHeight", "0.3", "eCardwidth", "0.5"} << QString();
        QTest::newRow("too low") << false << QStringList{"eCardHeight", "0.299", "eCardwidth", "0.4"} << heightMessage;
        QTest::newRow("too narrow") << false << QStringList{"eCardwidth", "0.499"} << widthMessage;
        QTest::newRow("pitch below width") << false << QStringList{"eHorizPitch", "3.499"} << hPitchMessage;
        QTest::newRow("one across") << false << QStringList{"enbracross", "1", "eHorizPitch", "1"} << QString();
        QTest::newRow("pitch below height") << false << QStringList{"eVertPitch", "1.999"} << vPitchMessage;
        QTest::newRow("one down") << false << QStringList{"enbrdown", "1", "eVertPitch", "0"} << QString();
        QTest::newRow("7 mm is below .3 inch") << true << QStringList{"eCardHeight", "7"} << heightMessage;
        QTest::newRow("7.62 mm is .3 inch") << true << QStringList{"eCardHeight", "7.62"} << QString();
        QTest::newRow("12.68 mm is below .5 inch") << true << QStringList{"eCardwidth", "12.68"} << widthMessage;
        QTest::newRow("12.69 mm rounds to .5 inch") << true << QStringList{"eCardwidth", "12.69"} << QString();
    }

    void validation()
    {
        QFETCH(bool, millimetres);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        TCardLayout layout;
        layout.UseMM = millimetres;
        TLayoutDialog ui(layout);
        QVERIFY(ui.IsActive());
        for (int i = 0; i + 1 < entries.size(); i += 2)
            ui.Type(entries[i].toLatin1().constData(), entries[i + 1]);
        QCOMPARE(ui.PressOk(), message);
        if (message.isEmpty()) {
            QCOMPARE(ui.Dialog().result(), int(QDialog::Accepted));
            QVERIFY(!ui.Dialog().isVisible());
            return;
        }
        QVERIFY(ui.Dialog().isVisible());
        for (int i = 0; i + 1 < entries.size(); i += 2) {
            if (entries[i].startsWith(u'e') && entries[i] != QStringLiteral("enbracross")
                && entries[i] != QStringLiteral("enbrdown"))
                QCOMPARE(ui.Value(entries[i].toLatin1().constData()), entries[i + 1].toDouble());
        }
        ui.Dialog().reject();
    }

    void paperListAndPredefinedIndex()
    {
        TCardLayout odd;
        odd.Papersize = 5; // only reachable by editing the settings file
        odd.PredefLayout = 40;
        {
            TLayoutDialog ui(odd);
            QVERIFY(ui.IsActive());
            QCOMPARE(ui.Control<QComboBox>("epapersize")->currentText(), QString());
            QCOMPARE(ui.PressOk(), QString());
            QCOMPARE(ui.Dialog().CardLayout().Papersize, 5);
            QCOMPARE(ui.Dialog().CardLayout().PredefLayout, -1);
        }
        {
            TLayoutDialog ui(odd);
            QVERIFY(ui.IsActive());
            auto *paper = ui.Control<QComboBox>("epapersize");
            paper->setFocus(Qt::TabFocusReason);
            QTest::keyClick(paper, Qt::Key_Home);
            QCOMPARE(paper->currentText(), QStringLiteral("Letter (8.5 x 11\")"));
            QCOMPARE(ui.PressOk(), QString());
            QCOMPARE(ui.Dialog().CardLayout().Papersize, 1);
        }
    }
};

QTEST_MAIN(TestEditCardLayout)
#include "tst_edit_card_layout.moc"
