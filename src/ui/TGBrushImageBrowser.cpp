#include "ui/TGBrushImageBrowser.h"

#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "core/TPicture.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TDidedErero.h"
#include "platform/EQuandrelError.h"
#include "platform/TProgramFolder.h"
#include "ui/TDialogStrip.h"
#include "ui/TFileListBox.h"
#include "ui/TFolderBrowser.h"
#include "ui/TFormPlacement.h"
#include "ui/TPictureChoice.h"
#include "ui/TPicturePreview.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopicTexture = 40012;
}

TGBrushImageBrowser::TGBrushImageBrowser(const TDidedErero &shape, QWidget *parent)
    : QDialog(parent), FSampleDesign(std::make_unique<TDesign>())
{
    setWindowTitle(QStringLiteral("Load Texture Image"));
    // The sample is a full copy of the shape, so that it shows the texture
    // the way the shape will.
    const TGLabelObjectFiler filer(StandardClasses());
    const auto copies = filer.ReadStream(TGLabelObjectFiler::WriteStream({&shape}), *FSampleDesign);
    FExample = static_cast<TDidedErero *>(copies.front());
    FExample->SetBounds(0, 0, shape.Width(), shape.Height());
    FOriginalTexture = FExample->Image().Data();

    Browser = new TFolderBrowser(QStringLiteral("*.BMP;*.DIB;*.JPG;*.JPEG;*.JIF;*.GIF;*.PCX;*.RLE;*.TGA;*.ICO"), this);
    SamplePreview = new TPicturePreview(this);
    SamplePreview->setObjectName(QStringLiteral("ExampleDidedErero"));
    SamplePreview->SetSizing(TPicturePreview::TSizing::Tile);
    SamplePreview->setFixedSize(218, 203);
    TDialogStrip::SetWhatsThis(*SamplePreview, QStringLiteral("The texture you clicked, as it fills the shape."));
    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Sample:"), this));
    side->addWidget(SamplePreview);
    Browser->LayOutChooser(*this, side, HelpTopicTexture);
    Browser->OnFileChange = [this] { FileChanged(); };
    ShowSample();
    TFormPlacement::CenterForm(*this, parent != nullptr ? parent->window() : nullptr);
    TPictureChoice::ResetScreenCursor();
}

TGBrushImageBrowser::~TGBrushImageBrowser() = default;

bool TGBrushImageBrowser::ChooseTexture(TDidedErero &shape, QWidget *parent)
{
    const QString currentFolder = QDir::currentPath();
    TGBrushImageBrowser dialog(shape, parent);
    const QString lastTexture = shape.LastBitmapFileNameandPath();
    if (!lastTexture.isEmpty() && QFileInfo(lastTexture).isFile())
        dialog.Browser->SetFileName(lastTexture);
    else
        dialog.Browser->SetDirectory(TProgramFolder::BrushFolder());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (chosen) {
        shape.Image().SetData(dialog.ExampleDidedErero().Image().Data());
        // With nothing selected the shape kept its texture, and so its file.
        if (!dialog.FileName().isEmpty())
            shape.SetLastBitmapFileNameandPath(dialog.FileName());
    }
    QDir::setCurrent(currentFolder);
    return chosen;
}

QString TGBrushImageBrowser::FileName() const
{
    return Browser->FileName();
}

void TGBrushImageBrowser::FileChanged()
{
    const QString fileName = FileName();
    if (fileName.isEmpty()) {
        FExample->Image().SetData(FOriginalTexture);
    } else {
        try {
            TPictureChoice::LoadTexture(FExample->Image(), fileName);
        } catch (const EQuandrelError &) {
            FExample->Image().Clear();
            TPictureChoice::ReportFailure(this, fileName);
        }
    }
    ShowSample();
    TFileListBox *files = Browser->FileListBox1;
    if (files->isEnabled() && isVisible())
        files->setFocus();
}

// Until the shape draws its own surface, the sample shows the texture the
// way it fills the shape: repeated at its natural size.
void TGBrushImageBrowser::ShowSample()
{
    TPicture texture;
    texture.SetBitmap(FExample->Image().Image());
    SamplePreview->SetPicture(texture);
}
