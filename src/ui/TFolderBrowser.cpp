#include "ui/TFolderBrowser.h"

#include "ui/TDialogStrip.h"
#include "ui/TDirectoryListBox.h"
#include "ui/TDriveComboBox.h"
#include "ui/TFileListBox.h"

#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TFolderBrowser::TFolderBrowser(const QString &mask, QWidget *parent) : QWidget(parent)
{
    DriveComboBox1 = new TDriveComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new TDirectoryListBox(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1 = new TFileListBox(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->SetMask(mask);
    TDialogStrip::SetWhatsThis(*DriveComboBox1, QStringLiteral("Where to look: your home folder, the whole file "
                                                               "system or a mounted disk."));
    TDialogStrip::SetWhatsThis(*DirectoryListBox1,
                               QStringLiteral("Double-click a folder to open it and list its pictures."));
    TDialogStrip::SetWhatsThis(*FileListBox1, QStringLiteral("Click a picture to see it in the preview."));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto titled = [this, layout](const char *caption, QWidget *control, int stretch) {
        auto *label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(control);
        layout->addWidget(label);
        layout->addWidget(control, stretch);
    };
    titled("&Drives:", DriveComboBox1, 0);
    titled("F&olders:", DirectoryListBox1, 1);
    titled("&Files:", FileListBox1, 1);

    DriveComboBox1->OnChange = [this] { SetDirectory(DriveComboBox1->Drive()); };
    DirectoryListBox1->OnChange = [this] {
        DriveComboBox1->ShowPlaceOf(DirectoryListBox1->Directory());
        FileListBox1->SetFolder(DirectoryListBox1->Directory());
    };
    FileListBox1->OnChange = [this] {
        if (OnFileChange)
            OnFileChange();
    };
}

void TFolderBrowser::LayOutChooser(QDialog &dialog, QVBoxLayout *side, int helpTopic)
{
    side->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addWidget(this, 1);
    columns->addLayout(side);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(columns, 1);
    layout->addLayout(TDialogStrip::Create(dialog, helpTopic));
    dialog.resize(520, 420);
    FileListBox1->OnChoose = [&dialog] { dialog.accept(); };
}

void TFolderBrowser::SetDirectory(const QString &folder)
{
    DirectoryListBox1->SetDirectory(folder);
}

void TFolderBrowser::SetFileName(const QString &fileName)
{
    SetDirectory(QFileInfo(fileName).absolutePath());
    FileListBox1->SetFileName(fileName);
}

QString TFolderBrowser::FileName() const
{
    return FileListBox1->FileName();
}
