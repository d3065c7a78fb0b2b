#pragma once

#include <QDialog>

class QCheckBox;
class TFolderBrowser;
class TPicture;
class TPicturePreview;

// The clip-art chooser: browse to a picture, see it, choose how it is sized.
// The preview's picture is always a bitmap or a metafile: icons and the
// other bitmap formats arrive as bitmaps.
class TGImageBrowser : public QDialog
{
public:
    explicit TGImageBrowser(QWidget *parent = nullptr);

    // The folder the lists open on.
    void SetDirectory(const QString &folder);
    // The chosen file's full path; empty when none is selected.
    QString FileName() const;
    const TPicture &Picture() const;

    TFolderBrowser *Browser = nullptr;
    TPicturePreview *Image1 = nullptr;
    QCheckBox *StretchCheck = nullptr;
    QCheckBox *AutoSizeCheck = nullptr;

private:
    QWidget *CreateOptions();
    void FileChanged();
    void SizingChanged();
};
