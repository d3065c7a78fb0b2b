#include "ui/TSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// A path is far shorter; anything longer is not one of ours.
constexpr qint64 MaxHandOverSize = 64 * 1024;
const QByteArray Acknowledgement = QByteArrayLiteral("OK\n");

} // namespace

QString TSingleInstance::ServerNameFor(const QString &programFolder)
{
    const QByteArray folderHash =
        QCryptographicHash::hash(QDir::cleanPath(programFolder).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("quandrel-") + QString::fromLatin1(folderHash);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

TSingleInstance::TSingleInstance(QString serverName) : FServerName(std::move(serverName)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::HandToRunningCopy(const QString &fileName, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(fileName.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (answer.size() < Acknowledgement.size() && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    socket.disconnectFromServer();
    return answer.startsWith(Acknowledgement);
}

bool TSingleInstance::Listen(std::function<void(const QString &)> onHandOver)
{
    FOnHandOver = std::move(onHandOver);
    FServer = std::make_unique<QLocalServer>();
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!FServer->listen(FServerName)) {
        // A copy that crashed leaves its socket behind; nobody answered it
        // (HandToRunningCopy came first), so it may go.
        QLocalServer::removeServer(FServerName);
        if (!FServer->listen(FServerName)) {
            FServer.reset();
            return false;
        }
    }
    QObject::connect(FServer.get(), &QLocalServer::newConnection, FServer.get(), [this] { AcceptConnection(); });
    return true;
}

void TSingleInstance::AcceptConnection()
{
    while (QLocalSocket *socket = FServer->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { ReadHandOver(socket); });
        if (socket->bytesAvailable() > 0)
            ReadHandOver(socket);
    }
}

void TSingleInstance::ReadHandOver(QLocalSocket *socket)
{
    if (socket->bytesAvailable() > MaxHandOverSize) {
        socket->abort();
        return;
    }
    if (!socket->canReadLine())
        return;
    QByteArray line = socket->readLine(MaxHandOverSize);
    line.chop(1);
    socket->write(Acknowledgement);
    socket->flush();
    if (FOnHandOver)
        FOnHandOver(QString::fromUtf8(line));
}
