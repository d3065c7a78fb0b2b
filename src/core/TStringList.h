#pragma once

#include "core/TNestedPersistent.h"

#include <QStringList>

// A list of text lines, stored as its "Strings" entry.
class TStringList : public TNestedPersistent
{
public:
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    QStringList Strings() const { return FStrings; }
    void SetStrings(const QStringList &value) { Update(FStrings, value); }
    int Count() const { return int(FStrings.size()); }

private:
    QStringList FStrings;
};
