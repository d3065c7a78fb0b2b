#pragma once

#include <QListWidget>
#include <QStringList>
#include <functional>

// The files of one folder that match a mask such as "*.BMP;*.WMF", in either
// letter case, sorted by name. The picture choosers preview what it selects.
class TFileListBox : public QListWidget
{
public:
    explicit TFileListBox(QWidget *parent = nullptr);

    void SetMask(const QString &mask);
    const QString &Folder() const { return FFolder; }
    void SetFolder(const QString &folder);

    // The selected file's full path; empty when none is selected.
    QString FileName() const;
    // Shows the file's folder and selects the file.
    void SetFileName(const QString &fileName);

    // The selected file changed (it may have become none).
    std::function<void()> OnChange;
    // A file was double-clicked or confirmed with Enter.
    std::function<void()> OnChoose;

private:
    void Refill();

    QString FFolder;
    QStringList FMask;
};
