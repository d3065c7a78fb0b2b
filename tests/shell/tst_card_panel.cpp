// The card panel: what each drawing tool creates and how big, the text
// tool's first step, the card picture and the effect-object check.
#include "ui/SurfaceFixture.h"
#include "support/ModalScript.h"

#include "core/TCardPainter.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLineShape.h"
#include "objects/graphics/TGVodirOriz.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGMultiLineLabel.h"
#include "ui/TDialogStrip.h"
#include "ui/TGBusinessCardPanel32.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

Q_DECLARE_METATYPE(TLPanelState)

namespace {

// Remembers which first step ran and which tool was active at that moment.
class TRecordingCard : public TGBusinessCardPanel32
{
public:
    using TGBusinessCardPanel32::TGBusinessCardPanel32;

    QString Step;
    TLPanelState ToolDuringStep = TLPanelState::psPointing;

protected:
    void Record(const char *step)
    {
        Step = QString::fromLatin1(step);
        ToolDuringStep = PanelState();
    }
    void ChooseNewSymbol(TGSymbolLabel &) override { Record("symbol"); }
    void EditNewMultiLineText(TGMultiLineLabel &) override { Record("multi-line"); }
    void LoadNewClipArt(TGImage &) override { Record("clip art"); }
    void EditNewDidedErero(TDidedErero &) override { Record("DidedErero"); }
    void EditNewRichText(TGPRichBaseLabel &) override { Record("rich text"); }
    void EditNewVodirOriz(TGVodirOriz &) override { Record("VodirOriz"); }
    void EditNewCircleText(TGPCircleText &) override { Record("circle text"); }
};

std::unique_ptr<TGBasePanel> MakeCard(TDesign &design, const QString &folder)
{
    return std::make_unique<TRecordingCard>(design, folder);
}

struct CardFixture : SurfaceFixture
{
    CardFixture() : SurfaceFixture(&MakeCard) {}
    TRecordingCard &Card() const { return static_cast<TRecordingCard &>(*Panel); }
};

QImage Painted(const TDesign &design)
{
    QImage image(design.Width(), design.Height(), QImage::Format_RGB32);
    QPainter painter(&image);
    TCardPainter::Paint(painter, design, TCardPaintOptions());
    return image;
}

} // namespace

class TestCardPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toolGivesObjectOfDraggedSizeWithMinimums_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("click") << QPoint(30, 40) << QPoint(30, 40) << QRect(30, 40, 50, 15);
        QTest::newRow("low drag") << QPoint(100, 90) << QPoint(130, 100) << QRect(100, 90, 30, 15);
        QTest::newRow("narrow drag") << QPoint(100, 50) << QPoint(120, 90) << QRect(100, 50, 50, 40);
        QTest::newRow("backwards") << QPoint(130, 100) << QPoint(100, 90) << QRect(100, 90, 30, 15);
        QTest::newRow("wide enough") << QPoint(10, 10) << QPoint(35, 30) << QRect(10, 10, 25, 20);
    }
    void toolGivesObjectOfDraggedSizeWithMinimums()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, bounds);
        CardFixture f;
        f.Card().SetPanelState(TLPanelState::psRectangle);
        f.Drag(from, to);
        QCOMPARE(f.Design.Count(), 1);
        QCOMPARE(f.Design.At(0)->BoundsRect(), bounds);
    }

    void eachToolCreatesItsKind_data()
    {
        QTest::addColumn<TLPanelState>("tool");
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QString>("firstStep");
        QTest::addColumn<bool>("toolResetFirst");
        QTest::addColumn<bool>("effect");
        const auto row = [](const char *name, TLPanelState tool, const char *className, const char *step,
                            bool toolResetFirst, bool effect) {
            QTest::newRow(name) << tool << QByteArray(className) << QString::fromLatin1(step) << toolResetFirst
                                << effect;
        };
        row("symbol", TLPanelState::psSymbolLabel, "TGSymbolLabel", "symbol", false, false);
        row("multi-line", TLPanelState::psMultiLineLabel, "TGMultiLineLabel", "multi-line", false, false);
        row("rectangle", TLPanelState::psRectangle, "TBCShapes", "", false, false);
        row("line", TLPanelState::psLine, "TGLineShape", "", false, false);
        row("clip art", TLPanelState::psImage, "TGImage", "clip art", true, false);
        row("DidedErero", TLPanelState::psDidedErero, "TDidedErero", "DidedErero", true, true);
        row("rich text", TLPanelState::psRichLabel, "TGPRichBaseLabel", "rich text", true, false);
        row("VodirOriz", TLPanelState::psVodirOriz, "TGVodirOriz", "VodirOriz", true, true);
        row("circle text", TLPanelState::psCircleText, "TGPCircleText", "circle text", true, false);
    }
    void eachToolCreatesItsKind()
    {
        QFETCH(TLPanelState, tool);
        QFETCH(QByteArray, className);
        QFETCH(QString, firstStep);
        QFETCH(bool, toolResetFirst);
        QFETCH(bool, effect);
        CardFixture f;
        int dropped = 0;
        f.Card().DroppedObjectEvent = [&dropped](const TRect &) { ++dropped; };
        f.Card().SetPanelState(tool);
        f.Click(QPoint(40, 40));
        QCOMPARE(f.Design.Count(), 1);
        TGGraphicControl *object = f.Design.At(0);
        QCOMPARE(QByteArray(object->ClassName()), className);
        QVERIFY(object->Name().startsWith(QStringLiteral("Special")));
        QCOMPARE(f.Card().Step, firstStep);
        if (!firstStep.isEmpty())
            QCOMPARE(f.Card().ToolDuringStep, toolResetFirst ? TLPanelState::psPointing : tool);
        QCOMPARE(dropped, 1);
        QCOMPARE(f.Card().HasEffectObjects(), effect);
        QVERIFY(f.Changes > 0);
    }

    void shapeToolsSetTheirShape_data()
    {
        QTest::addColumn<TLPanelState>("tool");
        QTest::addColumn<int>("shape");
        QTest::newRow("rectangle") << TLPanelState::psRectangle << int(TShapeType::stRectangle);
        QTest::newRow("ellipse") << TLPanelState::psEllipse << int(TShapeType::stEllipse);
        QTest::newRow("round rectangle") << TLPanelState::psRoundRectangle << int(TShapeType::stRoundRect);
    }
    void shapeToolsSetTheirShape()
    {
        QFETCH(TLPanelState, tool);
        QFETCH(int, shape);
        CardFixture f;
        f.Card().SetPanelState(tool);
        f.Click(QPoint(40, 40));
        auto *created = dynamic_cast<TBCShapes *>(f.Design.At(0));
        QVERIFY(created);
        QCOMPARE(int(created->Shape()), shape);
    }

    void lineToolDrawsVerticalLineAndTextToolsTakeTheCardsFont()
    {
        CardFixture f;
        TFont font;
        font.SetName(QStringLiteral("Times New Roman"));
        font.SetSize(14);
        f.Card().SetDefaultFont(font);
        f.Card().SetPanelState(TLPanelState::psLine);
        f.Click(QPoint(10, 10));
        f.Card().SetPanelState(TLPanelState::psMultiLineLabel);
        f.Click(QPoint(100, 10));
        auto *line = dynamic_cast<TGLineShape *>(f.Design.At(0));
        auto *lines = dynamic_cast<TGMultiLineLabel *>(f.Design.At(1));
        QVERIFY(line && lines);
        QCOMPARE(line->LineStyle(), TLineStyle::stVertical);
        QVERIFY(lines->Font().SameAs(font));
    }

    void textToolRunsTheTextEntryAndFits_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("caption");
        QTest::newRow("ok") << true << QStringLiteral("A much longer line of text");
        QTest::newRow("cancel") << false << QStringLiteral("Text");
    }
    void textToolRunsTheTextEntryAndFits()
    {
        QFETCH(bool, accept);
        QFETCH(QString, caption);
        CardFixture f;
        TFont font;
        font.SetName(QStringLiteral("Courier New"));
        font.SetSize(12);
        f.Card().SetDefaultFont(font);
        f.Card().PersonalInfo.Fields[0] = QStringLiteral("Jane Doe");
        QString shown;
        int offered = 0;
        const ModalScript::Step answer = [&](QDialog &dialog) {
            auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("LabelText"));
            auto *picker = dialog.findChild<QComboBox *>(QStringLiteral("PersonalInfoCombo"));
            if (!edit || !picker)
                return;
            shown = edit->text();
            offered = picker->count();
            edit->setText(QStringLiteral("A much longer line of text"));
            if (accept)
                QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
            else
                dialog.reject();
        };
        ModalScript script({answer});
        f.Card().SetPanelState(TLPanelState::psLabel);
        script.Run([&] { f.Click(QPoint(20, 20)); });
        QCOMPARE(script.Unused, 0);
        QCOMPARE(shown, QStringLiteral("Text"));
        QCOMPARE(offered, 1);
        auto *label = dynamic_cast<TGBusinessCardLabel *>(f.Design.At(0));
        QVERIFY(label);
        QCOMPARE(label->Caption(), caption);
        QVERIFY(label->Font().SameAs(font));
        // Fitted: wider than the click's 50 pixels, and as wide as the text needs.
        const int textWidth = QFontMetrics(font.ToQFont()).horizontalAdvance(caption);
        QVERIFY2(label->Width() > std::max(50, textWidth), qPrintable(QString::number(label->Width())));
    }

    void panelStateSwitchesSelectionAndCursor()
    {
        CardFixture f;
        f.Card().SetPanelState(TLPanelState::psEllipse);
        QVERIFY(!f.Card().Pointing());
        QCOMPARE(f.Card().ScreenCursor(), TCursors::crDrag);
        f.Card().SetPanelState(TLPanelState::psPointing);
        QVERIFY(f.Card().Pointing());
        QCOMPARE(f.Card().ScreenCursor(), TCursors::crDefault);
    }

    void renderToBitmapShowsOnlyTheCardAtItsZoom()
    {
        CardFixture f;
        QImage empty = f.Card().RenderToBitmap();
        QCOMPARE(empty.size(), QSize(336, 192));
        QImage white(empty.size(), empty.format());
        white.fill(Qt::white);
        QCOMPARE(empty, white);

        f.Add(QRect(40, 30, 60, 40));
        f.Card().SetShowGrid(true);
        f.Card().SetDrawOutline(true);
        f.Card().SelectAll();
        f.Card().SetZoom(1.5f);
        const QImage card = f.Card().RenderToBitmap();
        QCOMPARE(card.size(), QSize(504, 288));
        QCOMPARE(card, Painted(f.Design));
        // The surface itself shows grid, outline and selection; the picture does not.
        QVERIFY(f.Grab() != card);
        QCOMPARE(card.pixel(2, 2), qRgb(255, 255, 255));
    }

    void effectObjectsAreOnlyShapesAndEffectText()
    {
        CardFixture f;
        f.Add(QRect(10, 10, 30, 30));
        f.Add<TGBusinessCardLabel>(QRect(50, 10, 30, 30));
        f.Add<TGImage>(QRect(90, 10, 30, 30));
        QVERIFY(!f.Card().HasEffectObjects());
        f.Add<TGVodirOriz>(QRect(130, 10, 30, 30));
        QVERIFY(f.Card().HasEffectObjects());
    }
};

QTEST_MAIN(TestCardPanel)
#include "tst_card_panel.moc"
