// The single-instance guard: a later start hands its design file to the
// running copy, which confirms it.
#include "ui/TSingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

namespace {

// The later start blocks while it waits for the answer, as a second process
// would; the running copy answers from its event loop.
bool HandOverFromAnotherThread(const TSingleInstance &guard, const QString &fileName)
{
    std::atomic<bool> done{false};
    bool taken = false;
    std::thread later([&] {
        taken = guard.HandToRunningCopy(fileName, 3000);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    later.join();
    return taken;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterStartHandsItsFileToTheRunningCopy()
    {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("guard"));
        TSingleInstance running(name);
        QStringList received;
        QVERIFY(running.Listen([&received](const QString &file) { received << file; }));

        TSingleInstance later(name);
        QVERIFY(HandOverFromAnotherThread(later, QStringLiteral("/home/a/Ünïcode card.qdl")));
        QVERIFY(HandOverFromAnotherThread(later, QString()));
        QTRY_COMPARE(received, (QStringList{QStringLiteral("/home/a/Ünïcode card.qdl"), QString()}));
    }

    void withoutRunningCopyTheStartGoesOn()
    {
        QTemporaryDir folder;
        TSingleInstance first(folder.filePath(QStringLiteral("guard")));
        QVERIFY(!first.HandToRunningCopy(QStringLiteral("/a.qdl"), 200));
    }

    void socketLeftByACrashIsTakenOver()
    {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("guard"));
        QFile stale(name);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        TSingleInstance running(name);
        QVERIFY(running.Listen([](const QString &) {}));
        QVERIFY(HandOverFromAnotherThread(TSingleInstance(name), QString()));
    }

    void serverNameIsPerProgramFolder()
    {
        const QString a = TSingleInstance::ServerNameFor(QStringLiteral("/opt/quandrel/"));
        QCOMPARE(TSingleInstance::ServerNameFor(QStringLiteral("/opt/quandrel")), a);
        QVERIFY(TSingleInstance::ServerNameFor(QStringLiteral("/tmp/other")) != a);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
