#pragma once

#include "core/TPersonalInfo.h"
#include "ui/TGBasePanel.h"

#include <QImage>

class TDidedErero;
class TGBusinessCardLabel;
class TGImage;
class TGMultiLineLabel;
class TGPCircleText;
class TGPRichBaseLabel;
class TGSymbolLabel;
class TGVodirOriz;

// The card's drawing tools, in the order of their ordinals.
enum class TLPanelState {
    psPointing,
    psLabel,
    psSymbolLabel,
    psMultiLineLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psDidedErero,
    psRichLabel,
    psVodirOriz,
    psCircleText
};

// The card itself: the design surface with its drawing tools, the copy of
// the user's personal information that text objects offer, and the card
// picture that export and printing use.
class TGBusinessCardPanel32 : public TGBasePanel
{
public:
    TGBusinessCardPanel32(TDesign &design, const QString &programFolder, QWidget *parent = nullptr);

    TLPanelState PanelState() const { return FPanelState; }
    // Any tool but psPointing turns selection off and shows the drag cursor.
    void SetPanelState(TLPanelState value);

    // The card as it prints, at the current size and zoom: the objects over
    // white, without grid, outline or selection.
    QImage RenderToBitmap() const;
    // Multi-purpose shapes and special-effects text print differently.
    bool HasEffectObjects() const;

    TPersonalInfo PersonalInfo;

protected:
    // Creates the object of the active tool over r (normalised), at least
    // 50 x 15 for a click, places it and runs its first step.
    void CreateObjectInRect(const TRect &r) override;

    // The first step of each new object, run right after it was placed. The
    // text object's runs its text entry and fits the box to the text; clip
    // art opens the clip-art chooser; the others belong to the kinds' editors
    // and do nothing until those exist.
    virtual void EditNewLabelText(TGBusinessCardLabel &label);
    virtual void ChooseNewSymbol(TGSymbolLabel &symbol);
    virtual void EditNewMultiLineText(TGMultiLineLabel &text);
    virtual void LoadNewClipArt(TGImage &image);
    virtual void EditNewDidedErero(TDidedErero &shape);
    virtual void EditNewRichText(TGPRichBaseLabel &text);
    virtual void EditNewVodirOriz(TGVodirOriz &text);
    virtual void EditNewCircleText(TGPCircleText &text);

private:
    std::unique_ptr<TGGraphicControl> CreateToolObject() const;
    void RunFirstStep(TGGraphicControl &object);

    TLPanelState FPanelState = TLPanelState::psPointing;
};
