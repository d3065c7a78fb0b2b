#include "core/EDesignStreamError.h"

EDesignStreamError::EDesignStreamError(const QString &reason, qint64 offset)
    : EQuandrelError(QStringLiteral("%1 at byte offset %2").arg(reason).arg(offset)),
      FReason(reason),
      FOffset(offset)
{
}
