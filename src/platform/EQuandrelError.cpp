#include "platform/EQuandrelError.h"

EQuandrelError::EQuandrelError(QString message)
    : FMessage(std::move(message)), FUtf8(FMessage.toUtf8())
{
}
