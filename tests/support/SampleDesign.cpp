#include "support/SampleDesign.h"

#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "objects/graphics/TGVodirOriz.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGMultiLineLabel.h"
#include "objects/text/TGPCircleText.h"
#include "objects/text/TGPLabel.h"
#include "objects/text/TGPRichBaseLabel.h"
#include "objects/text/TGSymbolLabel.h"

namespace SampleDesign {

namespace {

QByteArray Short(const QByteArray &text)
{
    return char(text.size()) + text;
}

} // namespace

void FillWithEveryClass(TDesign &design)
{
    auto line = Placed<TGLineShape>("Special1");
    line->SetLineStyle(TLineStyle::stAngleSlopingDown);
    line->Pen().SetColor(0x030201);
    line->Pen().SetWidth(4);
    line->SetTag(-40000);
    design.Add(std::move(line));

    auto image = Placed<TGImage>("Special2");
    image->SetAutoSize(true);
    image->SetFlip(true);
    image->Picture().SetData(Short("TBitmap") + QByteArray("\x06\0\0\0BM\x06\0\0\0", 10));
    design.Add(std::move(image));

    auto shape = Placed<TGLabelShapes>("Special3");
    shape->SetTransparent(true);
    shape->SetShape(TShapeType::stRoundRect);
    shape->SetRoundPerc(40);
    shape->Pen().SetStyle(TPenStyle::psDashDot);
    shape->Pen().SetMode(TPenMode::pmXor);
    design.Add(std::move(shape));

    auto card = Placed<TBCShapes>("Special4");
    card->Brush().SetColor(TColors::clBtnFace);
    card->Brush().SetStyle(TBrushStyle::bsDiagCross);
    card->SetCursor(-21);
    design.Add(std::move(card));

    auto label = Placed<TGPLabel>("Special5");
    label->SetCaption(QString(300, QLatin1Char('x')));
    label->SetAngle(90);
    label->SetDirectionShadow(TShadowDirection::sdDown);
    label->SetDepthShadow(3);
    label->Font().SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    label->Font().SetPitch(TFontPitch::fpFixed);
    label->SetHint(QStringLiteral("Caf\u00e9 \u20ac"));
    design.Add(std::move(label));

    auto personal = Placed<TGBusinessCardLabel>("Special6");
    personal->SetCaption(QStringLiteral("\u65e5\u672c \u2192 text Windows-1252 cannot hold"));
    personal->SetTransparent(false);
    personal->SetBackColor(TColors::clYellow);
    personal->SetBorderStyle(TBorderStyle::bsSingle);
    design.Add(std::move(personal));

    auto symbol = Placed<TGSymbolLabel>("Special7");
    symbol->SetLocked(true);
    symbol->SetAlignment(TAlignment::taCenter);
    design.Add(std::move(symbol));

    auto lines = Placed<TGMultiLineLabel>("Special8");
    lines->Items().SetStrings({QStringLiteral("First line"), QString(), QString(256, QLatin1Char('y'))});
    lines->SetWordWrap(true);
    lines->SetAutoSize(true);
    design.Add(std::move(lines));

    auto shaped = Placed<TDidedErero>("Special9");
    shaped->SetShape(TGPShapeType::gstPolyGon);
    shaped->SetVectors(7);
    shaped->SetSurfaceType(Gsshape::TSurfaceType::stBrushImage);
    shaped->Image().SetData(QByteArray("\x02\0\0\0BM", 6));
    shaped->SetLastBitmapFileNameandPath(QStringLiteral("/home/user/bmbrush/Marble.bmp"));
    design.Add(std::move(shaped));

    auto rich = Placed<TGPRichBaseLabel>("Special10");
    rich->RTFText().SetData(QByteArray("{\\rtf1 Hello}\0\0\0\0", 17));
    rich->SetUnselectable(true);
    design.Add(std::move(rich));

    auto effect = Placed<TGVodirOriz>("Special11");
    effect->SetSurfaceType(Gsstext::TSurfaceType::stNormal);
    effect->SetShadowDepth(4);
    effect->SetCaption(QStringLiteral("Sale!"));
    effect->Font().SetSize(36);
    design.Add(std::move(effect));

    auto circle = Placed<TGPCircleText>("Special12");
    circle->SetDegrees(TDegrees::dg180);
    circle->SetMirror(true);
    circle->SetPopupMenu(QStringLiteral("CircleMenu"));
    circle->SetBGColor(0x123456);
    design.Add(std::move(circle));
}

void FillWithMixedObjects(TDesign &design, int count)
{
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "Special" + QByteArray::number(i + 1);
        const int x = i % 300, y = (i * 7) % 180;
        switch (i % 6) {
        case 0: {
            auto label = Placed<TGBusinessCardLabel>(name.constData());
            label->SetCaption(QStringLiteral("Jane Doe, Sales %1").arg(i));
            label->Font().SetStyle({TFontStyle::fsBold});
            design.Add(std::move(label));
            break;
        }
        case 1: {
            auto shape = Placed<TBCShapes>(name.constData());
            shape->SetShape(TShapeType::stEllipse);
            shape->Brush().SetColor(0x00336699 + i);
            design.Add(std::move(shape));
            break;
        }
        case 2: {
            auto line = Placed<TGLineShape>(name.constData());
            line->SetLineStyle(TLineStyle::stVertical);
            line->Pen().SetWidth(1 + i % 5);
            design.Add(std::move(line));
            break;
        }
        case 3: {
            auto lines = Placed<TGMultiLineLabel>(name.constData());
            lines->Items().SetStrings({QStringLiteral("12 Main Street"), QStringLiteral("Springfield")});
            design.Add(std::move(lines));
            break;
        }
        case 4: {
            auto shaped = Placed<TDidedErero>(name.constData());
            shaped->SetVectors(5 + i % 20);
            design.Add(std::move(shaped));
            break;
        }
        default: {
            auto effect = Placed<TGVodirOriz>(name.constData());
            effect->SetCaption(QStringLiteral("Grand Opening"));
            design.Add(std::move(effect));
            break;
        }
        }
        design.At(design.Count() - 1)->SetBounds(x, y, 40 + i % 60, 15 + i % 30);
    }
}

} // namespace SampleDesign
