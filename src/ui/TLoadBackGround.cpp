#include "ui/TLoadBackGround.h"

#include "platform/EQuandrelError.h"
#include "ui/TDialogStrip.h"
#include "ui/TFileListBox.h"
#include "ui/TFormPlacement.h"
#include "ui/TMessageBoxes.h"
#include "ui/TPicturePreview.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopicBackgroundArt = 2101;
}

TLoadBackGround::TLoadBackGround(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load  Business Card Background Art "));
    FileListBox1 = new TFileListBox(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    // Every format the card can show as art, not only bitmaps and metafiles.
    FileListBox1->SetMask(QStringLiteral("*.BMP;*.DIB;*.JPG;*.JPEG;*.JIF;*.GIF;*.PCX;*.RLE;*.TGA;*.WMF;*.EMF"));
    FileListBox1->setFixedWidth(180);
    TDialogStrip::SetWhatsThis(*FileListBox1, QStringLiteral("Click a picture to see it behind the card. Pictures "
                                                             "you put in this folder appear here."));
    // Users add their own art by putting it in this folder, so say where it is.
    FFolderCaption = new QLabel(this);
    FFolderCaption->setObjectName(QStringLiteral("FolderCaption"));
    FFolderCaption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Image1 = new TPicturePreview(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetSizing(TPicturePreview::TSizing::AutoSize);
    Image1->setFrameShape(QFrame::Box);
    Image1->setFixedSize(336 + 2 * Image1->frameWidth(), 192 + 2 * Image1->frameWidth());
    TDialogStrip::SetWhatsThis(*Image1, QStringLiteral("The picture you clicked, at the size it has on the card."));

    auto *columns = new QHBoxLayout;
    columns->addWidget(FileListBox1);
    columns->addWidget(Image1, 0, Qt::AlignTop);
    QHBoxLayout *strip = TDialogStrip::Create(*this, HelpTopicBackgroundArt);
    auto *none = new QPushButton(QStringLiteral("None"), this);
    none->setObjectName(QStringLiteral("NoneButton"));
    none->setAutoDefault(false);
    TDialogStrip::SetWhatsThis(*none, QStringLiteral("Takes the background art off the card."));
    connect(none, &QPushButton::clicked, this, [this] { done(NoneResult); });
    // After "Ok": the strip is "?", stretch, "Ok", "Cancel", "Help".
    strip->insertWidget(3, none);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FFolderCaption);
    layout->addLayout(columns, 1);
    layout->addLayout(strip);

    FileListBox1->OnChange = [this] { FileChanged(); };
    FileListBox1->OnChoose = [this] { accept(); };
    TFormPlacement::CenterForm(*this, parent != nullptr ? parent->window() : nullptr);
}

void TLoadBackGround::SetDirectory(const QString &folder)
{
    FileListBox1->SetFolder(folder);
    FFolderCaption->setText(QDir::toNativeSeparators(FileListBox1->Folder()));
}

void TLoadBackGround::SetFileName(const QString &fileName)
{
    FileListBox1->SetFileName(fileName);
    FFolderCaption->setText(QDir::toNativeSeparators(FileListBox1->Folder()));
}

QString TLoadBackGround::FileName() const
{
    return FileListBox1->FileName();
}

void TLoadBackGround::accept()
{
    if (FileName().isEmpty())
        return QApplication::beep();
    QDialog::accept();
}

void TLoadBackGround::FileChanged()
{
    const QString fileName = FileName();
    if (fileName.isEmpty())
        return Image1->Clear();
    try {
        Image1->LoadFromFile(fileName);
    } catch (const EQuandrelError &) {
        TMessageBoxes::ShowError(this, QStringLiteral("Error loading file!"));
    }
}
