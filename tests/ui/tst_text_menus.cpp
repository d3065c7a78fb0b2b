// The menus of single-line and personal-information text on the card.
#include "SurfaceFixture.h"

#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGPLabel.h"
#include "ui/TDialogStrip.h"
#include "ui/TGBusinessCardPanel32.h"
#include "ui/TGetBCLabelText.h"

#include <QComboBox>
#include <QPushButton>
#include <QLineEdit>

namespace {

const QRect Bounds(40, 30, 142, 20);
const QPoint Inside(60, 40);

std::unique_ptr<TGBasePanel> MakeCard(TDesign &design, const QString &folder)
{
    return std::make_unique<TGBusinessCardPanel32>(design, folder);
}

TGBusinessCardPanel32 &Card(SurfaceFixture &f)
{
    return static_cast<TGBusinessCardPanel32 &>(*f.Panel);
}

QStringList MenuOf(SurfaceFixture &f)
{
    QStringList captions;
    WithPopupMenu([&] { f.Press(Inside, {}, Qt::RightButton); }, [&](QMenu &menu) { captions = Captions(menu); });
    f.Release(Inside, {}, Qt::RightButton);
    return captions;
}

const QStringList LabelEntries = {"-", "Font", "3D Effects", "Alignment", "Transparent", "Background Color",
                                  "Border", "-", "Text", "-", "Rotation"};

} // namespace

class TestTextMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelMenuFollowsTheCommonEntries()
    {
        SurfaceFixture f;
        f.Add<TGPLabel>(Bounds);
        const QStringList captions = MenuOf(f);
        QCOMPARE(captions.mid(12), LabelEntries);
        QCOMPARE(captions.first(), QStringLiteral("Bring To Front"));
    }

    void personalInformationComesFirstOnTheCard()
    {
        SurfaceFixture f(&MakeCard);
        Card(f).PersonalInfo.Fields[6] = QStringLiteral("555-0100");
        f.Add<TGBusinessCardLabel>(Bounds);
        const QStringList captions = MenuOf(f);
        QCOMPARE(captions.mid(0, 3), (QStringList{"Personal Information", "-", "Bring To Front"}));
        QCOMPARE(captions.mid(14), LabelEntries);

        QStringList details;
        WithPopupMenu([&] { f.Press(Inside, {}, Qt::RightButton); },
                      [&](QMenu &menu) { details = Captions(*FindAction(menu, "Personal Information")->menu()); });
        f.Release(Inside, {}, Qt::RightButton);
        QCOMPARE(details.size(), 10);
        QCOMPARE(details[0], QStringLiteral("Name\t"));
        QCOMPARE(details[6], QStringLiteral("Phone 1\t555-0100"));
        QCOMPARE(details[8], QStringLiteral("EMail\t"));
    }

    void personalTextOnAPlainSurfaceHasNoDetails()
    {
        SurfaceFixture f;
        f.Add<TGBusinessCardLabel>(Bounds);
        QCOMPARE(MenuOf(f).first(), QStringLiteral("Bring To Front"));
    }

    void choosingADetailTakesTheTextAfterTheFirstTab_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plain") << QStringLiteral("Jane Doe") << QStringLiteral("Jane Doe");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("tab inside") << QStringLiteral("Sales\tEast") << QStringLiteral("Sales\tEast");
        QTest::newRow("cut to 255") << QString(300, QLatin1Char('n')) << QString(255, QLatin1Char('n'));
    }
    void choosingADetailTakesTheTextAfterTheFirstTab()
    {
        QFETCH(QString, value);
        QFETCH(QString, caption);
        SurfaceFixture f(&MakeCard);
        Card(f).PersonalInfo.Fields[0] = value;
        auto *label = f.Add<TGBusinessCardLabel>(Bounds);
        QVERIFY(ChooseFromContextMenu(f, Inside, QStringLiteral("Personal Information/Name\t") + value));
        QCOMPARE(label->Caption(), caption);
        QVERIFY(f.Changes > 0);
    }

    void textEntryOffersTheDetailsAndTakesTheText()
    {
        SurfaceFixture f(&MakeCard);
        Card(f).PersonalInfo.Fields[1] = QStringLiteral("Acme");
        auto *label = f.Add<TGBusinessCardLabel>(Bounds);
        bool sawPicker = false;
        const bool shown = WithPopupMenu([&] { f.Press(Inside, {}, Qt::RightButton); }, [&](QMenu &menu) {
            QAction *text = FindAction(menu, QStringLiteral("Text"));
            QVERIFY(text);
            QCOMPARE(text->data().toInt(), 1000);
            WithModalDialog([text] { text->trigger(); }, [&](QDialog &dialog) {
                auto *entry = dynamic_cast<TGetBCLabelText *>(&dialog);
                QVERIFY(entry);
                QCOMPARE(entry->LabelText->text(), QStringLiteral("Text"));
                sawPicker = entry->PersonalInfoCombo->isEnabled() && entry->PersonalInfoCombo->count() == 1;
                entry->LabelText->setText(QStringLiteral("Acme Corp"));
                QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
            });
        });
        f.Release(Inside, {}, Qt::RightButton);
        QVERIFY(shown);
        QVERIFY(sawPicker);
        QCOMPARE(label->Caption(), QStringLiteral("Acme Corp"));
    }

    void rotationAndTransparencyEntries()
    {
        SurfaceFixture f;
        auto *label = f.Add<TGPLabel>(Bounds);
        QStringList checked;
        WithPopupMenu([&] { f.Press(Inside, {}, Qt::RightButton); }, [&](QMenu &menu) {
            checked << (FindAction(menu, "Transparent")->isChecked() ? "Transparent" : "")
                    << (FindAction(menu, "Rotation/No Rotation")->isChecked() ? "No Rotation" : "")
                    << (FindAction(menu, "Alignment/Left")->isChecked() ? "Left" : "");
        });
        f.Release(Inside, {}, Qt::RightButton);
        QCOMPARE(checked, (QStringList{"Transparent", "No Rotation", "Left"}));

        QVERIFY(ChooseFromContextMenu(f, Inside, QStringLiteral("Border")));
        QCOMPARE(label->BorderStyle(), TBorderStyle::bsSingle);
        QVERIFY(ChooseFromContextMenu(f, Inside, QStringLiteral("Alignment/Right")));
        QCOMPARE(label->Alignment(), TAlignment::taRightJustify);
        QVERIFY(ChooseFromContextMenu(f, Inside, QStringLiteral("Rotation/90 Degrees")));
        QCOMPARE(label->Angle(), 90);
        QCOMPARE(label->Alignment(), TAlignment::taLeftJustify);
    }
};

QTEST_MAIN(TestTextMenus)
#include "tst_text_menus.moc"
