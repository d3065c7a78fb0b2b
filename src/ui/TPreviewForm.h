#pragma once

#include "printing/TRecordedJob.h"

#include <QDialog>

class QByteArray;
class QScrollArea;
class TPreviewPage;
class TSettingsFile;

// Shows the page a preview job recorded, at a zoom from 10 to 200 %, in a
// scroll box: the zoom buttons step by 10, fit the page's width or the
// whole page, and clicks on the page zoom in (left button) or out (any
// other). It prints nothing. The window opens where it was last left.
class TPreviewForm : public QDialog
{
public:
    static constexpr int MinZoom = 10;
    static constexpr int MaxZoom = 200;
    static constexpr int ZoomInc = 10;

    // Raises EQuandrelError for a stream that is not a recorded job. The
    // settings file keeps the window's placement; none keeps nothing.
    TPreviewForm(QWidget *parent, const QByteArray &stream, const TSettingsFile *settings);
    ~TPreviewForm() override;

    int ZoomFactor() const { return FZoom; }
    // Kept within 10 to 200; the page is drawn again.
    void SetZoomFactor(int zoom);
    void ZoomIn() { SetZoomFactor(FZoom + ZoomInc); }
    void ZoomOut() { SetZoomFactor(FZoom - ZoomInc); }
    // The zooms at which the page's width, or the whole page, fills the scroll box.
    int PageWidthFactor() const;
    int WholePageFactor() const;

    QScrollArea &ScrollBox() const { return *FScrollBox; }
    TPreviewPage &PageImage() const { return *FPage; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSizeF PagePixelsAt100() const;
    void RedrawPage();
    void PageChanged();
    void ScrollVertically(int steps);

    TRecordedJob FJob;
    const TSettingsFile *FSettings;
    QScrollArea *FScrollBox;
    TPreviewPage *FPage;
    int FZoom = 100;
    int FCurrentPage = 0;
    bool FFirstActivation = true;
};
