#include "core/Enumerations.h"
#include "core/PropertyTable.h"
#include "objects/StandardClasses.h"
#include "core/TClassRegistry.h"
#include "core/TGGraphicControl.h"
#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/graphics/TGVodirOriz.h"

#include <QTest>

namespace {

// A property's value by its stream path, as text: enumerations by name.
QString ValueAt(const TPersistent &host, const QByteArray &path)
{
    const TPersistent *current = &host;
    const QList<QByteArray> segments = path.split('.');
    for (int i = 0; i < segments.size(); ++i) {
        const TPropertyInfo *p = current->properties().Find(segments[i]);
        if (!p)
            return QStringLiteral("<missing>");
        if (i + 1 < segments.size()) {
            current = &p->NestedConst(*current);
            continue;
        }
        const TPropertyValue v = p->Get(*current);
        if (p->Type == TPropertyType::Enumeration)
            return QString::fromLatin1(p->Enum->NameOf(std::get<qint64>(v)));
        if (p->IsOrdinal())
            return QString::number(std::get<qint64>(v));
        if (p->Type == TPropertyType::String)
            return std::get<QString>(v);
        return QStringLiteral("<other>");
    }
    return QString();
}

} // namespace

class TestObjectKinds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newObjectsHaveTheirCreationValues_data()
    {
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *cls, const char *path, const QString &value) {
            QTest::addRow("%s %s", cls, path) << QByteArray(cls) << QByteArray(path) << value;
        };
        row("TGPLabel", "Caption", QStringLiteral("Text"));
        row("TGPLabel", "Width", QStringLiteral("142"));
        row("TGPLabel", "Height", QStringLiteral("33"));
        row("TGPLabel", "Font.Name", QStringLiteral("Arial"));
        row("TGPLabel", "Font.Height", QStringLiteral("-13"));
        row("TGPLabel", "Font.Size", QStringLiteral("10"));
        row("TGPLabel", "Font.Color", QStringLiteral("0"));
        row("TGPLabel", "Transparent", QStringLiteral("1"));
        row("TGPLabel", "BackColor", QString::number(0xFFFFFF));
        row("TGPLabel", "colorHighlight", QString::number(0xFFFF00));
        row("TGPLabel", "colorShadow", QString::number(0x808080));
        row("TGPLabel", "DirectionHighlight", QStringLiteral("hdUpLeft"));
        row("TGPLabel", "DirectionShadow", QStringLiteral("sdDownRight"));
        row("TGBusinessCardLabel", "BorderStyle", QStringLiteral("bsNone"));
        row("TGSymbolLabel", "Font.Name", QStringLiteral("WingDings"));
        row("TGSymbolLabel", "Font.Size", QStringLiteral("24"));
        row("TGSymbolLabel", "Caption", QStringLiteral("["));
        row("TGMultiLineLabel", "Width", QStringLiteral("190"));
        row("TGMultiLineLabel", "WordWrap", QStringLiteral("0"));
        row("TGPCircleText", "Degrees", QStringLiteral("dg360"));
        row("TGPCircleText", "StartingVector", QStringLiteral("dg180"));
        row("TGPCircleText", "Font.Style", QStringLiteral("1"));
        row("TGPCircleText", "DrawLettersAngled", QStringLiteral("1"));
        row("TGPCircleText", "Caption", QStringLiteral("ABC DEF GHI JKL"));
        row("TGPRichBaseLabel", "BorderStyle", QStringLiteral("bsSingle"));
        row("TGPRichBaseLabel", "Width", QStringLiteral("190"));
        row("TBCShapes", "Width", QStringLiteral("25"));
        row("TBCShapes", "Brush.Color", QString::number(0xFFFFFF));
        row("TBCShapes", "Pen.Width", QStringLiteral("1"));
        row("TBCShapes", "Pen.Mode", QStringLiteral("pmCopy"));
        row("TBCShapes", "RoundPerc", QStringLiteral("25"));
        row("TGLineShape", "Width", QStringLiteral("10"));
        row("TGLineShape", "LineStyle", QStringLiteral("stHorizontal"));
        row("TGImage", "Width", QStringLiteral("105"));
        row("TGImage", "Stretch", QStringLiteral("1"));
        row("TGImage", "AutoSize", QStringLiteral("0"));
        row("TDidedErero", "Width", QStringLiteral("25"));
        row("TDidedErero", "Shape", QStringLiteral("gstStar"));
        row("TDidedErero", "BackColor", QString::number(0x0000FF));
        row("TDidedErero", "GradientToColor", QString::number(0xFF0000));
        row("TDidedErero", "SurfaceType", QStringLiteral("stGradientFill"));
        row("TDidedErero", "Pattern", QStringLiteral("bsClear"));
        row("TDidedErero", "ShadowDepth", QStringLiteral("5"));
        row("TDidedErero", "StartingAngle", QStringLiteral("90"));
        row("TGVodirOriz", "Width", QStringLiteral("142"));
        row("TGVodirOriz", "Font.Size", QStringLiteral("48"));
        row("TGVodirOriz", "FillDirection", QStringLiteral("gdRight"));
        row("TGVodirOriz", "GradientToColor", QString::number(0x00FFFF));
        row("TGVodirOriz", "GradientFromColor", QString::number(0xFF0000));
        row("TGVodirOriz", "SurfaceType", QStringLiteral("stGradientFill"));
    }
    void newObjectsHaveTheirCreationValues()
    {
        QFETCH(QByteArray, className);
        QFETCH(QByteArray, path);
        QFETCH(QString, expected);
        const std::unique_ptr<TGGraphicControl> object = StandardClasses().Create(className);
        QVERIFY(object);
        QCOMPARE(ValueAt(*object, path), expected);
    }

    void everyKindStreamsTheCommonPropertiesFirst()
    {
        const QList<QByteArray> common = {"Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Locked",
                                          "Unselectable"};
        for (const QByteArray &name : StandardClasses().ClassNames()) {
            const auto object = StandardClasses().Create(name);
            const auto &entries = object->properties().Entries();
            for (int i = 0; i < common.size(); ++i)
                QCOMPARE(entries[size_t(i)].Name, common[i]);
        }
    }

    void shapeTransparencyDrivesTheBrush()
    {
        TGLabelShapes shape;
        shape.SetTransparent(true);
        QCOMPARE(shape.Brush().Style(), TBrushStyle::bsClear);
        shape.SetTransparent(false);
        QCOMPARE(shape.Brush().Style(), TBrushStyle::bsSolid);
    }

    void imageStretchAndAutoSizeStayOpposite()
    {
        TGImage image;
        image.SetAutoSize(true);
        QVERIFY(!image.Stretch());
        image.SetStretch(true);
        QVERIFY(!image.AutoSize());
    }

    void multiPurposeShapeRefusesValuesOutOfRange()
    {
        TDidedErero shape;
        shape.SetVectors(61);
        shape.SetStartingAngle(360);
        shape.SetInVectorPercent(101);
        QCOMPARE(shape.Vectors(), 10);
        QCOMPARE(shape.StartingAngle(), 90);
        QCOMPARE(shape.InVectorPercent(), 50);
        shape.SetVectors(3);
        QCOMPARE(shape.Vectors(), 3);
    }

    void multiPurposeShadowDepthLooksAtTheCurrentDepth()
    {
        TDidedErero shape; // 25 x 25, depth 5
        shape.SetShadowDepth(20);
        QCOMPARE(shape.ShadowDepth(), 20); // accepted: the old depth was small
        shape.SetShadowDepth(2);
        QCOMPARE(shape.ShadowDepth(), 20); // refused: the current depth exceeds half the size
        shape.SetBounds(0, 0, 50, 50);
        shape.SetShadowDepth(2);
        QCOMPARE(shape.ShadowDepth(), 2);
    }

    void becomingAStarRestoresItsPoints()
    {
        TDidedErero shape;
        shape.SetShape(TGPShapeType::gstPolyGon);
        shape.SetInVectorPercent(0);
        shape.SetVectors(5);
        shape.SetStartingAngle(10);
        shape.SetShape(TGPShapeType::gstStar);
        QCOMPARE(shape.InVectorPercent(), 50);
        QCOMPARE(shape.Vectors(), 10);
        QCOMPARE(shape.StartingAngle(), 90);
    }

    void effectTextSurfaceKeepsImageOnlyForTextures()
    {
        TGVodirOriz text;
        text.SetSurfaceType(Gsstext::TSurfaceType::stBrushImage);
        text.Image().SetData(QByteArray("\x02\0\0\0BM", 6));
        text.SetOutlineStyle(TPenStyle::psClear);
        text.SetSurfaceType(Gsstext::TSurfaceType::stBrushTransparent);
        QVERIFY(text.Image().IsEmpty());
        QCOMPARE(text.OutlineStyle(), TPenStyle::psSolid);
    }
};

QTEST_GUILESS_MAIN(TestObjectKinds)
#include "tst_object_kinds.moc"
