#include "ui/TGFont3DEffects.h"

#include "objects/text/TGPLabel.h"
#include "ui/TColorDrop.h"
#include "ui/TDialogStrip.h"
#include "ui/TObjectPreview.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QComboBox *ListOf(QWidget *parent, const char *name, const QStringList &entries)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(entries);
    return list;
}

QStringList Depths()
{
    QStringList depths;
    for (int d = 0; d <= 10; ++d)
        depths << QString::number(d);
    return depths;
}

// A depth beyond the list shows no selection.
int DepthIndex(int depth)
{
    return depth >= 0 && depth <= 10 ? depth : -1;
}

} // namespace

TGFont3DEffects::TGFont3DEffects(TGBaseLabel &object, QWidget *parent)
    : QDialog(parent), FObject(object), FSample(std::make_unique<TGPLabel>())
{
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    setFixedSize(467, 338);
    ShadowDirection = ListOf(this, "ShadowDirection",
                             {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                              QStringLiteral("Lower Right"), QStringLiteral("Lower Left"), QStringLiteral("Down")});
    ShadowDepth = ListOf(this, "ShadowDepth", Depths());
    HighlightDirection = ListOf(this, "HighlightDirection",
                                {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
                                 QStringLiteral("Upper Right"), QStringLiteral("Upper Left"), QStringLiteral("Up")});
    HighLightDepth = ListOf(this, "HighLightDepth", Depths());
    ShadowColorCombo = new TColorDrop(this);
    ShadowColorCombo->setObjectName(QStringLiteral("ShadowColorCombo"));
    HighLightColorCombo = new TColorDrop(this);
    HighLightColorCombo->setObjectName(QStringLiteral("HighLightColorCombo"));
    FontColorCombo = new TColorDrop(this);
    FontColorCombo->setObjectName(QStringLiteral("FontColorCombo"));

    auto *grid = new QGridLayout;
    const auto row = [&](int r, int column, const char *caption, QWidget *control, const char *help) {
        auto *label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(control);
        grid->addWidget(label, r * 2, column);
        grid->addWidget(control, r * 2 + 1, column);
        TDialogStrip::SetWhatsThis(*control, QString::fromLatin1(help));
    };
    row(0, 0, "Shadow Direction", ShadowDirection, "Where the shadow copy of the text falls.");
    row(1, 0, "Shadow Color", ShadowColorCombo, "The colour of the shadow copy.");
    row(2, 0, "Shadow Depth", ShadowDepth, "How many pixels the shadow lies off the text.");
    row(0, 1, "Highlight Direction", HighlightDirection, "Where the highlight copy of the text falls.");
    row(1, 1, "Highlight Color", HighLightColorCombo, "The colour of the highlight copy.");
    row(2, 1, "Highlight Depth", HighLightDepth, "How many pixels the highlight lies off the text.");
    row(3, 0, "Font Color", FontColorCombo, "The colour of the text itself.");

    FPreview = new TObjectPreview(this);
    FPreview->setObjectName(QStringLiteral("SamplePanel"));
    FPreview->setFixedSize(437, 85);
    FPreview->SetObject(FSample.get());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(FPreview, 0, Qt::AlignHCenter);
    layout->addLayout(TDialogStrip::Create(*this, 40008));

    // Every choice shows on the sample at once.
    const auto refresh = [this] { FPreview->update(); };
    connect(ShadowDirection, QOverload<int>::of(&QComboBox::activated), this, [this, refresh](int i) {
        FSample->SetDirectionShadow(TShadowDirection(i));
        refresh();
    });
    connect(ShadowDepth, QOverload<int>::of(&QComboBox::activated), this, [this, refresh](int i) {
        FSample->SetDepthShadow(i);
        refresh();
    });
    connect(HighlightDirection, QOverload<int>::of(&QComboBox::activated), this, [this, refresh](int i) {
        FSample->SetDirectionHighlight(THighlightDirection(i));
        refresh();
    });
    connect(HighLightDepth, QOverload<int>::of(&QComboBox::activated), this, [this, refresh](int i) {
        FSample->SetDepthHighlight(i);
        refresh();
    });
    ShadowColorCombo->OnChange = [this, refresh](TColor c) {
        FSample->SetcolorShadow(c);
        refresh();
    };
    HighLightColorCombo->OnChange = [this, refresh](TColor c) {
        FSample->SetcolorHighlight(c);
        refresh();
    };
    FontColorCombo->OnChange = [this, refresh](TColor c) {
        FSample->Font().SetColor(c);
        refresh();
    };
    LoadFromObject();
}

TGFont3DEffects::~TGFont3DEffects() = default;

void TGFont3DEffects::LoadFromObject()
{
    FSample->Font().Assign(FObject.Font());
    FSample->SetDepthShadow(FObject.DepthShadow());
    FSample->SetDepthHighlight(FObject.DepthHighlight());
    FSample->SetDirectionShadow(FObject.DirectionShadow());
    FSample->SetDirectionHighlight(FObject.DirectionHighlight());
    FSample->SetcolorShadow(FObject.colorShadow());
    FSample->SetcolorHighlight(FObject.colorHighlight());
    FitSample();
    ShadowDirection->setCurrentIndex(int(FObject.DirectionShadow()));
    ShadowDepth->setCurrentIndex(DepthIndex(FObject.DepthShadow()));
    HighlightDirection->setCurrentIndex(int(FObject.DirectionHighlight()));
    HighLightDepth->setCurrentIndex(DepthIndex(FObject.DepthHighlight()));
    ShadowColorCombo->SetSelectedColor(FObject.colorShadow());
    HighLightColorCombo->SetSelectedColor(FObject.colorHighlight());
    FontColorCombo->SetSelectedColor(FObject.Font().Color());
}

void TGFont3DEffects::FitSample()
{
    const QRect area = FPreview->contentsRect();
    FSample->SetBounds(0, 0, area.width(), area.height());
}

void TGFont3DEffects::accept()
{
    FObject.Font().Assign(FSample->Font());
    FObject.SetDepthShadow(FSample->DepthShadow());
    FObject.SetDepthHighlight(FSample->DepthHighlight());
    FObject.SetDirectionShadow(FSample->DirectionShadow());
    FObject.SetDirectionHighlight(FSample->DirectionHighlight());
    FObject.SetcolorShadow(FSample->colorShadow());
    FObject.SetcolorHighlight(FSample->colorHighlight());
    FObject.Changed();
    QDialog::accept();
}
