#pragma once

#include <QWidget>
#include <functional>

class QDialog;
class QVBoxLayout;
class TDirectoryListBox;
class TDriveComboBox;
class TFileListBox;

// The browsing column of the clip-art and texture choosers: a place list
// feeding a folder list feeding a file list.
class TFolderBrowser : public QWidget
{
public:
    TFolderBrowser(const QString &mask, QWidget *parent = nullptr);

    // Lays out a chooser dialog: this browser on the left, side on the
    // right, the button strip with the help topic below. Choosing a file
    // (double-click or Enter) is the dialog's "Ok".
    void LayOutChooser(QDialog &dialog, QVBoxLayout *side, int helpTopic);

    // Opens the folder (the process's current folder follows it).
    void SetDirectory(const QString &folder);
    // Opens the file's folder and selects the file.
    void SetFileName(const QString &fileName);
    // The selected file's full path; empty when none.
    QString FileName() const;

    TDriveComboBox *DriveComboBox1 = nullptr;
    TDirectoryListBox *DirectoryListBox1 = nullptr;
    TFileListBox *FileListBox1 = nullptr;

    // The selected file changed.
    std::function<void()> OnFileChange;
};
