#pragma once

#include <QDialog>

class QLabel;
class TFileListBox;
class TPicturePreview;

// The background-art chooser: the pictures of one folder with a preview the
// size of the picture. Ends with OK for a chosen file, NoneResult to take the
// art off the card, or cancel.
class TLoadBackGround : public QDialog
{
public:
    static constexpr int NoneResult = 99;

    explicit TLoadBackGround(QWidget *parent = nullptr);

    void SetDirectory(const QString &folder);
    // Shows the file's folder and selects the file.
    void SetFileName(const QString &fileName);
    // The selected file's full path; empty when none.
    QString FileName() const;

    TFileListBox *FileListBox1 = nullptr;
    TPicturePreview *Image1 = nullptr;

    // "Ok" needs a chosen picture; without one it only beeps.
    void accept() override;

private:
    void FileChanged();

    QLabel *FFolderCaption = nullptr;
};
