#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// Keeps one Quandrel running per program folder (and so per settings file):
// a second start hands its design file to the running copy, which comes to
// the front and opens it, and then ends.
class TSingleInstance
{
public:
    // The name of the local socket for a program folder: in the user's
    // runtime folder when there is one, so other users never meet it.
    static QString ServerNameFor(const QString &programFolder);

    explicit TSingleInstance(QString serverName);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    // True when a running copy took the file (empty: just come to the
    // front) and confirmed it within the time given.
    bool HandToRunningCopy(const QString &fileName, int timeoutMs = 2000) const;
    // Starts answering later starts; each hand-over arrives at onHandOver,
    // called from the event loop. False when the socket cannot be made
    // (the program then runs without the guard).
    bool Listen(std::function<void(const QString &)> onHandOver);

private:
    void AcceptConnection();
    void ReadHandOver(QLocalSocket *socket);

    QString FServerName;
    std::unique_ptr<QLocalServer> FServer;
    std::function<void(const QString &)> FOnHandOver;
};
