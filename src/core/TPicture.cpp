#include "core/TPicture.h"

QByteArray TPicture::GraphicClassName() const
{
    const QByteArray data = Data();
    if (data.isEmpty())
        return {};
    const int length = quint8(data.at(0));
    if (length + 1 > data.size())
        return {};
    return data.mid(1, length);
}
