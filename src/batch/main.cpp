#include "batch/BatchCommands.h"

#include <QGuiApplication>
#include <QTextStream>
#include <QtGlobal>

namespace {

QtMessageHandler PreviousHandler = nullptr;

// The platform's start-up notices (a missing runtime folder, say) are not the
// tool's output: standard error carries only its own one-line messages and
// real failures.
void KeepOnlyFailures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        PreviousHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs a GUI application (fonts come from it), but the tool runs
    // where there is no display: unless told otherwise, it draws off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PreviousHandler = qInstallMessageHandler(KeepOnlyFailures);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(PreviousHandler);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = RunBatchCommand(QGuiApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
