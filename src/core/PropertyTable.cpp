#include "core/PropertyTable.h"

bool TPropertyInfo::IsOrdinal() const
{
    switch (Type) {
    case TPropertyType::Integer:
    case TPropertyType::Color:
    case TPropertyType::Cursor:
    case TPropertyType::Boolean:
    case TPropertyType::Enumeration:
    case TPropertyType::Set:
        return true;
    default:
        return false;
    }
}

bool TPropertyInfo::ShouldWrite(const TPropertyValue &value) const
{
    if (!Stored)
        return false;
    if (IsOrdinal())
        return !Default || std::get<qint64>(value) != *Default;
    switch (Type) {
    case TPropertyType::Float:
        return std::get<double>(value) != 0.0;
    case TPropertyType::String:
    case TPropertyType::Reference:
        return !std::get<QString>(value).isEmpty();
    case TPropertyType::Lines:
        return !std::get<QStringList>(value).isEmpty();
    case TPropertyType::Binary:
        return !std::get<QByteArray>(value).isEmpty();
    default:
        return false;
    }
}

TPropertyTable::TPropertyTable(std::vector<TPropertyInfo> entries) : FEntries(std::move(entries)) {}

TPropertyTable::TPropertyTable(const TPropertyTable &base, std::vector<TPropertyInfo> own)
    : FEntries(base.FEntries)
{
    FEntries.insert(FEntries.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
}

const TPropertyInfo *TPropertyTable::Find(QByteArrayView name) const
{
    // Files written by Quandrel spell every name exactly as declared, so the
    // cheap exact comparison almost always decides.
    for (const TPropertyInfo &p : FEntries)
        if (QByteArrayView(p.Name) == name)
            return &p;
    for (const TPropertyInfo &p : FEntries)
        if (QByteArrayView(p.Name).compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}
