#pragma once

#include <QtGlobal>

// Milliseconds for the timing rules of the editor (quick clicks, drag
// starts, the paste guard). The program reads a steady clock; tests set the
// time by hand.
class TClock
{
public:
    virtual ~TClock();
    virtual qint64 NowMs() const = 0;

    // The steady clock of the running program.
    static TClock &System();
};

// A clock that stands still until told to move.
class TManualClock : public TClock
{
public:
    qint64 NowMs() const override { return FNow; }
    void SetNowMs(qint64 value) { FNow = value; }
    void Advance(qint64 ms) { FNow += ms; }

private:
    qint64 FNow = 1000;
};
