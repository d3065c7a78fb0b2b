#include "ui/THelp.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString TopicPage(int topic)
{
    const QString specific = QStringLiteral(":/help/topic-%1.html").arg(topic);
    return QFile::exists(specific) ? specific : QStringLiteral(":/help/contents.html");
}

} // namespace

void THelp::ShowTopic(QWidget *parent, int topic)
{
    QDialog window(parent);
    window.setWindowTitle(QStringLiteral("Quandrel Help"));
    window.resize(520, 420);
    auto *layout = new QVBoxLayout(&window);
    auto *browser = new QTextBrowser(&window);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setSource(QUrl(QStringLiteral("qrc") + TopicPage(topic)));
    layout->addWidget(browser);
    auto *close = new QPushButton(QStringLiteral("Close"), &window);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    window.exec();
}
