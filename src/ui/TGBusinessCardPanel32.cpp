#include "ui/TGBusinessCardPanel32.h"

#include "core/TCardPainter.h"
#include "core/TDesign.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLineShape.h"
#include "objects/graphics/TGVodirOriz.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGMultiLineLabel.h"
#include "objects/text/TGPCircleText.h"
#include "objects/text/TGPRichBaseLabel.h"
#include "objects/text/TGSymbolLabel.h"
#include "ui/TGImageMenu.h"
#include "ui/TGObjectMenu.h"
#include "ui/TGPLabelMenu.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

namespace {

// A click without a drag still gives an object one can see and grab.
constexpr int MinimumDragWidth = 25;
constexpr int ClickWidth = 50;
constexpr int MinimumHeight = 15;

std::unique_ptr<TGGraphicControl> MakeShape(TShapeType shape)
{
    auto object = std::make_unique<TBCShapes>();
    object->SetShape(shape);
    return object;
}

// The kinds whose first step is a dialog of their own leave the tool first,
// so the dialog opens over a card in selection mode.
bool ResetsToolBeforeFirstStep(TLPanelState state)
{
    return state >= TLPanelState::psImage;
}

} // namespace

TGBusinessCardPanel32::TGBusinessCardPanel32(TDesign &design, const QString &programFolder, QWidget *parent)
    : TGBasePanel(design, programFolder, parent)
{
    SetZoom(1.0f);
}

void TGBusinessCardPanel32::SetPanelState(TLPanelState value)
{
    if (value == FPanelState)
        return;
    FPanelState = value;
    SetPointing(value == TLPanelState::psPointing);
    SetScreenCursor(value == TLPanelState::psPointing ? TCursors::crDefault : TCursors::crDrag);
}

std::unique_ptr<TGGraphicControl> TGBusinessCardPanel32::CreateToolObject() const
{
    switch (FPanelState) {
    case TLPanelState::psLabel:
        return std::make_unique<TGBusinessCardLabel>();
    case TLPanelState::psSymbolLabel:
        return std::make_unique<TGSymbolLabel>();
    case TLPanelState::psMultiLineLabel:
        return std::make_unique<TGMultiLineLabel>();
    case TLPanelState::psRectangle:
        return MakeShape(TShapeType::stRectangle);
    case TLPanelState::psEllipse:
        return MakeShape(TShapeType::stEllipse);
    case TLPanelState::psRoundRectangle:
        return MakeShape(TShapeType::stRoundRect);
    case TLPanelState::psLine: {
        auto line = std::make_unique<TGLineShape>();
        line->SetLineStyle(TLineStyle::stVertical);
        return line;
    }
    case TLPanelState::psImage:
        return std::make_unique<TGImage>();
    case TLPanelState::psDidedErero:
        return std::make_unique<TDidedErero>();
    case TLPanelState::psRichLabel:
        return std::make_unique<TGPRichBaseLabel>();
    case TLPanelState::psVodirOriz:
        return std::make_unique<TGVodirOriz>();
    case TLPanelState::psCircleText:
        return std::make_unique<TGPCircleText>();
    case TLPanelState::psPointing:
        break;
    }
    return nullptr;
}

void TGBusinessCardPanel32::CreateObjectInRect(const TRect &r)
{
    std::unique_ptr<TGGraphicControl> object = CreateToolObject();
    if (!object)
        return;
    TRect bounds = r;
    if (bounds.Right - bounds.Left < MinimumDragWidth)
        bounds.Right = bounds.Left + ClickWidth;
    if (bounds.Bottom - bounds.Top < MinimumHeight)
        bounds.Bottom = bounds.Top + MinimumHeight;
    object->Loaded();
    if (auto *label = dynamic_cast<TGBusinessCardLabel *>(object.get())) {
        label->SetCaption(QStringLiteral("Text"));
        label->Font().Assign(DefaultFont());
    } else if (auto *lines = dynamic_cast<TGMultiLineLabel *>(object.get())) {
        lines->Font().Assign(DefaultFont());
    }
    const TLPanelState tool = FPanelState;
    TGGraphicControl *placed = PlaceNewObject(std::move(object), bounds);
    if (!placed)
        return;
    if (ResetsToolBeforeFirstStep(tool))
        SetPanelState(TLPanelState::psPointing);
    RunFirstStep(*placed);
}

void TGBusinessCardPanel32::RunFirstStep(TGGraphicControl &object)
{
    if (auto *label = dynamic_cast<TGBusinessCardLabel *>(&object))
        EditNewLabelText(*label);
    else if (auto *symbol = dynamic_cast<TGSymbolLabel *>(&object))
        ChooseNewSymbol(*symbol);
    else if (auto *lines = dynamic_cast<TGMultiLineLabel *>(&object))
        EditNewMultiLineText(*lines);
    else if (auto *image = dynamic_cast<TGImage *>(&object))
        LoadNewClipArt(*image);
    else if (auto *shape = dynamic_cast<TDidedErero *>(&object))
        EditNewDidedErero(*shape);
    else if (auto *rich = dynamic_cast<TGPRichBaseLabel *>(&object))
        EditNewRichText(*rich);
    else if (auto *effects = dynamic_cast<TGVodirOriz *>(&object))
        EditNewVodirOriz(*effects);
    else if (auto *circle = dynamic_cast<TGPCircleText *>(&object))
        EditNewCircleText(*circle);
}

// The same text entry as the object's "Text" command, so a new object and
// an edited one offer the same choices.
void TGBusinessCardPanel32::EditNewLabelText(TGBusinessCardLabel &label)
{
    const std::unique_ptr<TGObjectMenu> menu = TGObjectMenu::Create(*this, label);
    for (QAction *action : menu->Menu().actions()) {
        if (action->data().toInt() == TGPLabelMenu::TextEntryTag) {
            action->trigger();
            break;
        }
    }
    label.FitToText();
}

void TGBusinessCardPanel32::ChooseNewSymbol(TGSymbolLabel &) {}

void TGBusinessCardPanel32::EditNewMultiLineText(TGMultiLineLabel &) {}

void TGBusinessCardPanel32::LoadNewClipArt(TGImage &image)
{
    TGImageMenu(*this, image).LoadImageFromDisk();
}

void TGBusinessCardPanel32::EditNewDidedErero(TDidedErero &) {}

void TGBusinessCardPanel32::EditNewRichText(TGPRichBaseLabel &) {}

void TGBusinessCardPanel32::EditNewVodirOriz(TGVodirOriz &) {}

void TGBusinessCardPanel32::EditNewCircleText(TGPCircleText &) {}

QImage TGBusinessCardPanel32::RenderToBitmap() const
{
    QImage bitmap(Design().Width(), Design().Height(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    // Default options: no outline and no grid; the selection squares are the
    // surface's own and never reach the card painter.
    TCardPainter::Paint(painter, Design(), TCardPaintOptions());
    return bitmap;
}

bool TGBusinessCardPanel32::HasEffectObjects() const
{
    for (int i = 0; i < Design().Count(); ++i) {
        const TGGraphicControl *object = Design().At(i);
        if (dynamic_cast<const TDidedErero *>(object) || dynamic_cast<const TGVodirOriz *>(object))
            return true;
    }
    return false;
}
