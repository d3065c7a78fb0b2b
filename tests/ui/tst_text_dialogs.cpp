#include "core/TPersonalInfo.h"
#include "objects/text/TGPLabel.h"
#include "ui/TColorDrop.h"
#include "ui/TDialogStrip.h"
#include "ui/TGFont3DEffects.h"
#include "ui/TGetBCLabelText.h"
#include "ui/TGetLabelText.h"
#include "ui/TPersonalInformation.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void Choose(QComboBox &list, int index)
{
    // As the user does it: keyboard steps from the current entry.
    list.setFocus();
    const int steps = index - list.currentIndex();
    for (int i = 0; i < qAbs(steps); ++i)
        QTest::keyClick(&list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(list.currentIndex(), index);
}

TPersonalInfo SomeInfo()
{
    TPersonalInfo info;
    info.Fields[0] = QStringLiteral("Jane Doe");
    info.Fields[6] = QStringLiteral("555-0100");
    info.Fields[8] = QString(300, QLatin1Char('m'));
    return info;
}

} // namespace

class TestTextDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textEntryHasItsCaptionAndFocus()
    {
        TGetLabelText dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Text"));
        QCOMPARE(QApplication::focusWidget(), dialog.LabelText);
        QTest::keyClicks(dialog.LabelText, QStringLiteral("Sales"));
        QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.LabelText->text(), QStringLiteral("Sales"));
    }

    void personalPickerIsDisabledWithoutDetails()
    {
        TGetBCLabelText dialog{TPersonalInfo()};
        QVERIFY(!dialog.PersonalInfoCombo->isEnabled());
        QCOMPARE(dialog.PersonalInfoCombo->count(), 0);
    }

    void personalPickerOffersFilledDetailsWhole()
    {
        TGetBCLabelText dialog(SomeInfo());
        dialog.show();
        QCOMPARE(dialog.PersonalInfoCombo->count(), 3);
        QCOMPARE(dialog.PersonalInfoCombo->itemText(1), QStringLiteral("555-0100"));
        dialog.LabelText->setText(QStringLiteral("old"));
        dialog.PersonalInfoCombo->setCurrentIndex(1);
        Choose(*dialog.PersonalInfoCombo, 2);
        QCOMPARE(dialog.LabelText->text().size(), 300); // the picker copies a long detail whole
    }

    void personalInformationDialogRoundTrips()
    {
        TPersonalInformation dialog;
        QCOMPARE(dialog.size(), QSize(404, 355));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Personal Information"));
        QStringList labels;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            labels << label->text();
        for (const char *caption : {"Name", "Company", "Title", "Address 1", "Address 2", "Address 3", "Phone 1",
                                    "Phone 2", "E-mail", "Fax"})
            QVERIFY2(labels.contains(QString::fromLatin1(caption)), caption);
        QVERIFY(dialog.findChild<QLineEdit *>(QStringLiteral("pPersonalEmail")));
        dialog.SetInfo(SomeInfo());
        QCOMPARE(dialog.Info(), SomeInfo());
    }

    void colorDropSelectsTheFirstMatch()
    {
        TColorDrop drop;
        QCOMPARE(drop.count(), 18);
        QCOMPARE(drop.itemText(15), QStringLiteral("Light Gray"));
        drop.SetSelectedColor(0x808080);
        QCOMPARE(drop.currentIndex(), 7); // "Gray", not "Dark Gray"
        drop.SetSelectedColor(0x123456);
        QCOMPARE(drop.currentIndex(), 7);
        QCOMPARE(drop.SelectedColor(), TColor(0x808080));
        TColor picked = -1;
        drop.OnChange = [&picked](TColor c) { picked = c; };
        drop.show();
        Choose(drop, 9);
        QCOMPARE(picked, TColor(0x0000FF));
        QCOMPARE(drop.SelectedColor(), TColor(0x0000FF));
    }

    void effectsDialogTriesOnTheSampleAndCopiesOnOk()
    {
        TGPLabel label;
        label.SetDepthShadow(12); // beyond the list
        TGFont3DEffects dialog(label);
        dialog.show();
        QCOMPARE(dialog.ShadowDepth->currentIndex(), -1);
        QCOMPARE(dialog.ShadowDirection->currentIndex(), int(TShadowDirection::sdDownRight));
        QCOMPARE(dialog.Sample().Caption(), QStringLiteral("Text"));

        dialog.ShadowDepth->setCurrentIndex(0);
        Choose(*dialog.ShadowDepth, 4);
        Choose(*dialog.HighlightDirection, int(THighlightDirection::hdUp));
        dialog.FontColorCombo->setCurrentIndex(0);
        Choose(*dialog.FontColorCombo, 9);
        QCOMPARE(dialog.Sample().DepthShadow(), 4);
        QCOMPARE(label.DepthShadow(), 12); // nothing reaches the object before Ok

        QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
        QCOMPARE(label.DepthShadow(), 4);
        QCOMPARE(label.DirectionHighlight(), THighlightDirection::hdUp);
        QCOMPARE(label.Font().Color(), TColor(0x0000FF));
    }

    void effectsDialogCancelLeavesTheObject()
    {
        TGPLabel label;
        TGFont3DEffects dialog(label);
        dialog.show();
        Choose(*dialog.ShadowDepth, 5);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("CancelButton")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(label.DepthShadow(), 0);
    }
};

QTEST_MAIN(TestTextDialogs)
#include "tst_text_dialogs.moc"
