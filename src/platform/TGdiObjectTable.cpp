#include "platform/TGdiObjectTable.h"

int TGdiObjectTable::Add(TGdiObject object)
{
    for (size_t i = FFirstFree; i < FObjects.size(); ++i) {
        if (std::holds_alternative<std::monostate>(FObjects[i])) {
            FObjects[i] = std::move(object);
            FFirstFree = i + 1;
            return int(i);
        }
    }
    if (FObjects.size() >= MaxObjects)
        return -1;
    FObjects.push_back(std::move(object));
    FFirstFree = FObjects.size();
    return int(FObjects.size() - 1);
}

void TGdiObjectTable::Put(quint32 index, TGdiObject object)
{
    if (index >= MaxObjects)
        return;
    if (index >= FObjects.size())
        FObjects.resize(index + 1);
    FObjects[index] = std::move(object);
}

const TGdiObject *TGdiObjectTable::Find(quint32 index) const
{
    if (index >= FObjects.size() || std::holds_alternative<std::monostate>(FObjects[index]))
        return nullptr;
    return &FObjects[index];
}

void TGdiObjectTable::Remove(quint32 index)
{
    if (index >= FObjects.size())
        return;
    FObjects[index] = std::monostate();
    FFirstFree = qMin<size_t>(FFirstFree, index);
}
