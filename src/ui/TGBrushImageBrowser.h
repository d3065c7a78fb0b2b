#pragma once

#include <QDialog>
#include <memory>

class TDesign;
class TDidedErero;
class TFolderBrowser;
class TPicturePreview;

// The texture chooser of the multi-purpose shape: browse to a bitmap and see
// it as the surface of a sample that copies the shape being edited.
class TGBrushImageBrowser : public QDialog
{
public:
    TGBrushImageBrowser(const TDidedErero &shape, QWidget *parent = nullptr);
    ~TGBrushImageBrowser() override;

    // The whole choice as the shape's properties dialog makes it: opens on
    // the shape's last texture file when it still exists, else on the
    // program's texture folder; on "Ok" the shape takes the sample's texture
    // and remembers the chosen file. The current folder is as before
    // afterwards. True when the user chose "Ok".
    static bool ChooseTexture(TDidedErero &shape, QWidget *parent);

    TDidedErero &ExampleDidedErero() const { return *FExample; }
    QString FileName() const;

    TFolderBrowser *Browser = nullptr;
    TPicturePreview *SamplePreview = nullptr;

private:
    void FileChanged();
    void ShowSample();

    std::unique_ptr<TDesign> FSampleDesign;
    TDidedErero *FExample = nullptr;
    // The edited shape's own texture, shown while no file is selected.
    QByteArray FOriginalTexture;
};
