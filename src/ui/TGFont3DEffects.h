#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class TColorDrop;
class TGBaseLabel;
class TGPLabel;
class TObjectPreview;

// Shadow, highlight and text colour of a single-line text object, tried out
// on a live sample; Ok copies the sample's settings to the object.
class TGFont3DEffects : public QDialog
{
public:
    TGFont3DEffects(TGBaseLabel &object, QWidget *parent = nullptr);
    ~TGFont3DEffects() override;

    QComboBox *ShadowDirection;
    TColorDrop *ShadowColorCombo;
    QComboBox *ShadowDepth;
    QComboBox *HighlightDirection;
    TColorDrop *HighLightColorCombo;
    QComboBox *HighLightDepth;
    TColorDrop *FontColorCombo;

    TGPLabel &Sample() const { return *FSample; }

    void accept() override;

private:
    void LoadFromObject();
    void FitSample();

    TGBaseLabel &FObject;
    std::unique_ptr<TGPLabel> FSample;
    TObjectPreview *FPreview;
};
