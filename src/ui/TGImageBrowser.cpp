#include "ui/TGImageBrowser.h"

#include "platform/EQuandrelError.h"
#include "core/TPicture.h"
#include "ui/TDialogStrip.h"
#include "ui/TFolderBrowser.h"
#include "ui/TFormPlacement.h"
#include "ui/TPicturePreview.h"
#include "ui/TPictureChoice.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopicClipArt = 40003;
}

TGImageBrowser::TGImageBrowser(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Image File "));
    // Every format the readers decode may be chosen, under its common names.
    Browser = new TFolderBrowser(
        QStringLiteral("*.BMP;*.DIB;*.JPG;*.JPEG;*.JIF;*.GIF;*.PCX;*.RLE;*.TGA;*.WMF;*.EMF;*.ICO"), this);
    Image1 = new TPicturePreview(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(218 + 2 * Image1->frameWidth(), 203 + 2 * Image1->frameWidth());
    TDialogStrip::SetWhatsThis(*Image1, QStringLiteral("The picture you clicked, as it will look."));

    auto *side = new QVBoxLayout;
    side->addWidget(Image1);
    side->addWidget(CreateOptions());
    Browser->LayOutChooser(*this, side, HelpTopicClipArt);
    Browser->OnFileChange = [this] { FileChanged(); };
    TFormPlacement::CenterForm(*this, parent != nullptr ? parent->window() : nullptr);
    TPictureChoice::ResetScreenCursor();
}

QWidget *TGImageBrowser::CreateOptions()
{
    auto *options = new QGroupBox(QStringLiteral(" Options "), this);
    StretchCheck = new QCheckBox(QStringLiteral("Stretch"), options);
    StretchCheck->setObjectName(QStringLiteral("StretchCheck"));
    StretchCheck->setToolTip(QStringLiteral("Stretch image to max display size"));
    TDialogStrip::SetWhatsThis(*StretchCheck, QStringLiteral("The picture fills the object's box, whatever its "
                                                             "size."));
    AutoSizeCheck = new QCheckBox(QStringLiteral("AutoSize"), options);
    AutoSizeCheck->setObjectName(QStringLiteral("AutoSizeCheck"));
    TDialogStrip::SetWhatsThis(*AutoSizeCheck,
                               QStringLiteral("The object keeps the picture's own size on the card."));
    auto *layout = new QVBoxLayout(options);
    layout->addWidget(StretchCheck);
    layout->addWidget(AutoSizeCheck);
    // The two ways of sizing exclude each other; both may be off.
    connect(StretchCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            AutoSizeCheck->setChecked(false);
        SizingChanged();
    });
    connect(AutoSizeCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            StretchCheck->setChecked(false);
        SizingChanged();
    });
    return options;
}

void TGImageBrowser::SetDirectory(const QString &folder)
{
    Browser->SetDirectory(folder);
}

QString TGImageBrowser::FileName() const
{
    return Browser->FileName();
}

const TPicture &TGImageBrowser::Picture() const
{
    return Image1->Picture();
}

void TGImageBrowser::SizingChanged()
{
    if (AutoSizeCheck->isChecked())
        Image1->SetSizing(TPicturePreview::TSizing::AutoSize);
    else if (StretchCheck->isChecked())
        Image1->SetSizing(TPicturePreview::TSizing::Stretch);
    else
        Image1->SetSizing(TPicturePreview::TSizing::Natural);
}

void TGImageBrowser::FileChanged()
{
    const QString fileName = FileName();
    if (fileName.isEmpty())
        return Image1->Clear();
    try {
        TPicture picture;
        TPictureChoice::LoadClipArt(picture, fileName);
        Image1->SetPicture(picture);
    } catch (const EQuandrelError &) {
        Image1->Clear();
        TPictureChoice::ReportFailure(this, fileName);
    }
}
