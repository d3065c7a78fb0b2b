#include "platform/TClock.h"

#include <QElapsedTimer>

TClock::~TClock() = default;

namespace {

class TSystemClock : public TClock
{
public:
    TSystemClock() { FTimer.start(); }
    // Never 0: the editor uses 0 for "no time recorded yet".
    qint64 NowMs() const override { return FTimer.elapsed() + 1; }

private:
    QElapsedTimer FTimer;
};

} // namespace

TClock &TClock::System()
{
    static TSystemClock clock;
    return clock;
}
