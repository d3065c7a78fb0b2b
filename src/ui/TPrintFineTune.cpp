#include "ui/TPrintFineTune.h"

#include "ui/TDialogStrip.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>

namespace {

constexpr int HelpTopic = 2103;

QToolButton *ArrowButton(QWidget *parent, const QString &name, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

TPrintFineTune::TPrintFineTune(QWidget *parent, const TPrinterNudges &nudges) : QDialog(parent), FNudges(nudges)
{
    setWindowTitle(QStringLiteral("Printer Fine-Tuning"));
    auto *layout = new QVBoxLayout(this);
    AddPanel(*layout, QStringLiteral("TopMargin"), QStringLiteral("Top Margin nudge"),
             QStringLiteral("Increase or decrease to adjust where vertical printing starts. "), FNudges.TopMarginNudge, 0);
    AddPanel(*layout, QStringLiteral("LeftMargin"), QStringLiteral("Left Margin nudge"),
             QStringLiteral("Increase or decrease to adjust where horizontal printing starts. "),
             FNudges.LeftMarginNudge, 1);
    AddPanel(*layout, QStringLiteral("VerticalSpacing"), QStringLiteral("Vertical Spacing"),
             QStringLiteral("Increase or decrease to adjust vertical spacing between cards.( You may need to adjust "
                            "this if printing \"creeps\" between the top and bottom cards.)"),
             FNudges.VerticalSpacing, 2);
    AddPanel(*layout, QStringLiteral("HorizontalSpacing"), QStringLiteral("Horizontal Spacing"),
             QStringLiteral("Increase or decrease to adjust horizontal spacing between cards "),
             FNudges.HorizontalSpacing, 3);
    QHBoxLayout *strip = TDialogStrip::Create(*this, HelpTopic);
    auto *defaults = new QPushButton(QStringLiteral("Default"), this);
    defaults->setObjectName(QStringLiteral("DefaultButton"));
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, [this] { DefaultButtonClick(); });
    strip->insertWidget(strip->indexOf(TDialogStrip::OkButton(*this)), defaults);
    layout->addLayout(strip);
    ShowValues();
}

void TPrintFineTune::AddPanel(QVBoxLayout &layout, const QString &name, const QString &title, const QString &help, int &nudge, int index)
{
    auto *panel = new QGroupBox(title, this);
    panel->setObjectName(name + QStringLiteral("Panel"));
    auto *value = new QLabel(panel);
    value->setObjectName(name + QStringLiteral("Value"));
    value->setMinimumWidth(120);
    auto *up = ArrowButton(panel, name + QStringLiteral("Up"), Qt::UpArrow);
    auto *down = ArrowButton(panel, name + QStringLiteral("Down"), Qt::DownArrow);
    connect(up, &QToolButton::clicked, this, [this, &nudge] {
        nudge = Up(nudge);
        ShowValues();
    });
    connect(down, &QToolButton::clicked, this, [this, &nudge] {
        nudge = Down(nudge);
        ShowValues();
    });
    auto *helpText = new QLabel(help, panel);
    helpText->setWordWrap(true);
    auto *grid = new QGridLayout(panel);
    grid->addWidget(value, 0, 0, 2, 1);
    grid->addWidget(up, 0, 1);
    grid->addWidget(down, 1, 1);
    grid->addWidget(helpText, 0, 2, 2, 1);
    grid->setColumnStretch(2, 1);
    layout.addWidget(panel);
    TDialogStrip::SetWhatsThis(*panel, help);
    FValueLabels[size_t(index)] = value;
    FValues[size_t(index)] = &nudge;
}

QString TPrintFineTune::ValueText(int nudge)
{
    if (nudge == 0)
        return QStringLiteral("None");
    const QString amount = QString::number(std::abs(qint64(nudge))) + QStringLiteral("/32\"");
    return (nudge < 0 ? QStringLiteral("Decrease by ") : QStringLiteral("Increase by ")) + amount;
}

int TPrintFineTune::Up(int nudge)
{
    return nudge >= Smallest + 1 ? nudge - 1 : nudge;
}

int TPrintFineTune::Down(int nudge)
{
    return nudge < Largest ? nudge + 1 : nudge;
}

void TPrintFineTune::ShowValues()
{
    for (size_t i = 0; i < FValueLabels.size(); ++i)
        FValueLabels[i]->setText(ValueText(*FValues[i]));
}

void TPrintFineTune::DefaultButtonClick()
{
    FNudges = TPrinterNudges();
    ShowValues();
}
