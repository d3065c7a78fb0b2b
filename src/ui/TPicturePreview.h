#pragma once

#include "core/TPicture.h"

#include <QScrollArea>

class QLabel;

// A chooser's live preview of a picture on white, in a scroll box: stretched
// to fill the box, sized to the picture (scrolling when larger than the box),
// at its natural size in the box's top-left corner, or repeated at its
// natural size over the whole box, as a texture fills a shape.
class TPicturePreview : public QScrollArea
{
public:
    enum class TSizing { Stretch, AutoSize, Natural, Tile };

    explicit TPicturePreview(QWidget *parent = nullptr);

    TSizing Sizing() const { return FSizing; }
    void SetSizing(TSizing sizing);

    const TPicture &Picture() const { return FPicture; }
    // Reads the file into the preview. Throws EQuandrelError, leaving the
    // preview cleared, when the file cannot be read.
    void LoadFromFile(const QString &fileName);
    void SetPicture(const TPicture &picture);
    void Clear();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Render();

    TPicture FPicture;
    TSizing FSizing = TSizing::Stretch;
    QLabel *FImage = nullptr;
};
