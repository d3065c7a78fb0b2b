#include "core/TClassRegistry.h"

#include "core/TGGraphicControl.h"

void TClassRegistry::Register(const char *className, TFactory factory)
{
    for (TEntry &entry : FEntries)
        if (entry.Name == className) {
            entry.Factory = factory;
            return;
        }
    FEntries.push_back({className, factory});
}

std::unique_ptr<TGGraphicControl> TClassRegistry::Create(QByteArrayView className) const
{
    for (const TEntry &entry : FEntries)
        if (QByteArrayView(entry.Name).compare(className, Qt::CaseInsensitive) == 0)
            return entry.Factory();
    return nullptr;
}

std::vector<QByteArray> TClassRegistry::ClassNames() const
{
    std::vector<QByteArray> names;
    for (const TEntry &entry : FEntries)
        names.push_back(entry.Name);
    return names;
}
