#include "core/TStringList.h"

#include "core/PropertyBuilder.h"

const TPropertyTable &TStringList::Properties()
{
    static const TPropertyTable table({
        Prop::Lines("Strings", Prop::Methods(&TStringList::Strings, &TStringList::SetStrings)),
    });
    return table;
}

const TPropertyTable &TStringList::properties() const
{
    return Properties();
}
