#include "core/TStoredData.h"

#include "core/PropertyBuilder.h"

const TPropertyTable &TStoredData::Properties()
{
    static const TPropertyTable table({
        Prop::Binary("Data", Prop::Methods(&TStoredData::Data, &TStoredData::SetData)),
    });
    return table;
}

const TPropertyTable &TStoredData::properties() const
{
    return Properties();
}
