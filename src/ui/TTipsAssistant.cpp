#include "ui/TTipsAssistant.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

struct TTip
{
    const char *Question;
    const char *Answer;
};

const TTip Tips[] = {
    {"How do I put my name on the card?",
     "Press the Text tool (the \"A\" on the tool bar) and drag a rectangle on the card. Type your "
     "text, or pick one of your personal details from the list, and press Ok. Fill in your details "
     "once under Edit, Personal Information, and they are offered every time."},
    {"How do I move or resize an object?",
     "Press the Selection tool, then click the object. Drag it to move it, or drag one of the "
     "small squares around it to resize it. The arrow keys move it by one pixel; hold Shift to "
     "resize instead."},
    {"How do I change the font or colour of a text?",
     "Click the text with the right mouse button and choose Font. The default font under Edit "
     "is used only for new objects."},
    {"How do I line objects up?",
     "Switch on Snap to Grid so that objects land on the grid dots, or select several objects, "
     "right-click the card and choose one of the Align commands."},
    {"My card stock does not match the screen. What now?",
     "Choose Edit, Change Business Card Layout and pick your card stock from the Predefined "
     "Layouts, or type the card size, margins and spacing printed on its package."},
    {"How do I print only some of the cards on a sheet?",
     "Press Print: the sheet is shown with one box per card position. Untick the positions "
     "already used and print the rest."},
    {"The print is a little off the cards. Can I fix that?",
     "Use File, Printer Fine Tuning to shift the whole print by small steps, then print an "
     "outline test page on plain paper and hold it against a sheet of card stock."},
};

} // namespace

TTipsAssistant::TTipsAssistant(QWidget *parent)
    : QDialog(parent), FQuestions(new QListWidget(this)), FAnswer(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Designer Assistant"));
    setModal(false);
    resize(420, 360);
    FQuestions->setObjectName(QStringLiteral("Questions"));
    FAnswer->setObjectName(QStringLiteral("Answer"));
    for (const TTip &tip : Tips)
        FQuestions->addItem(QString::fromLatin1(tip.Question));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("What would you like to do?"), this));
    layout->addWidget(FQuestions, 1);
    layout->addWidget(FAnswer, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(FQuestions, &QListWidget::currentRowChanged, this, [this](int row) { ShowAnswer(row); });
    FQuestions->setCurrentRow(0);
}

void TTipsAssistant::ShowAnswer(int index)
{
    if (index < 0 || index >= int(std::size(Tips)))
        FAnswer->clear();
    else
        FAnswer->setPlainText(QString::fromLatin1(Tips[index].Answer));
}
