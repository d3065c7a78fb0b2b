#pragma once

#include <QFrame>

class TGGraphicControl;

// A framed panel that shows one design object, for dialogs' live samples.
class TObjectPreview : public QFrame
{
public:
    explicit TObjectPreview(QWidget *parent = nullptr);

    void SetObject(TGGraphicControl *object);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TGGraphicControl *FObject = nullptr;
};
