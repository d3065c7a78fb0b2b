#pragma once

#include "platform/EQuandrelError.h"

// A design stream that cannot be read: the reason and the byte offset where
// reading stopped.
class EDesignStreamError : public EQuandrelError
{
public:
    EDesignStreamError(const QString &reason, qint64 offset);

    const QString &Reason() const { return FReason; }
    qint64 Offset() const { return FOffset; }

private:
    QString FReason;
    qint64 FOffset;
};
