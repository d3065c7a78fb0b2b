#pragma once

class QString;
class QWidget;
class TBitmap;
class TPicture;

// The rules the picture choosers share for turning a chosen file into what
// the card keeps, and for telling the user when that fails.
class TPictureChoice
{
public:
    // Clip art is kept as a bitmap or a metafile: an icon becomes the bitmap
    // it draws on white. Throws EQuandrelError, leaving the picture as it
    // was, when the file cannot be read.
    static void LoadClipArt(TPicture &picture, const QString &fileName);
    // Textures are bitmaps of any readable format; an icon is drawn on white.
    static void LoadTexture(TBitmap &texture, const QString &fileName);
    // "Error loading file!" for bitmap and metafile names (".BMP", ".WMF",
    // ".EMF"); other formats just leave the preview empty.
    static void ReportFailure(QWidget *parent, const QString &fileName);
    // A chooser opens with the ordinary arrow, even from a busy command.
    static void ResetScreenCursor();
};
