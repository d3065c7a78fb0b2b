#include "ui/THelp.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages live in the static UI library: without this reference the
// linker leaves them out of the program. (Outside the unnamed namespace:
// the macro declares the resource's function at block scope.)
static void EnsureHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

QString TopicPage(int topic)
{
    EnsureHelpResources();
    const QString specific = QStringLiteral(":/help/topic-%1.html").arg(topic);
    return QFile::exists(specific) ? specific : QStringLiteral(":/help/contents.html");
}

} // namespace

void THelp::ShowContents(QWidget *parent)
{
    ShowPage(parent, QStringLiteral(":/help/contents.html"));
}

void THelp::ShowTopic(QWidget *parent, int topic)
{
    ShowPage(parent, TopicPage(topic));
}

void THelp::ShowPage(QWidget *parent, const QString &page)
{
    EnsureHelpResources();
    QDialog window(parent);
    window.setWindowTitle(QStringLiteral("Quandrel Help"));
    window.resize(520, 420);
    auto *layout = new QVBoxLayout(&window);
    auto *browser = new QTextBrowser(&window);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setSource(QUrl(QStringLiteral("qrc") + page));
    layout->addWidget(browser);
    auto *close = new QPushButton(QStringLiteral("Close"), &window);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    window.exec();
}
