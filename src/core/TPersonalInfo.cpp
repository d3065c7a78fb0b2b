#include "core/TPersonalInfo.h"

namespace {

struct TFieldNames
{
    const char *Key;
    const char *DialogLabel;
    const char *MenuLabel;
};

constexpr TFieldNames Names[TPersonalInfo::FieldCount] = {
    {"Name", "Name", "Name"},
    {"Company", "Company", "Company"},
    {"Title", "Title", "Title"},
    {"Address1", "Address 1", "Address 1"},
    {"Address2", "Address 2", "Address 2"},
    {"Address3", "Address 3", "Address 3"},
    {"Phone1", "Phone 1", "Phone 1"},
    {"Phone2", "Phone 2", "Phone 2"},
    {"Email", "E-mail", "EMail"},
    {"Fax", "Fax", "Fax"},
};

} // namespace

const char *TPersonalInfo::Key(int field)
{
    return Names[field].Key;
}

const char *TPersonalInfo::DialogLabel(int field)
{
    return Names[field].DialogLabel;
}

const char *TPersonalInfo::MenuLabel(int field)
{
    return Names[field].MenuLabel;
}
