#pragma once

#include "core/TNestedPersistent.h"

#include <QByteArray>

// A nested object stored as one binary "Data" entry (pictures, bitmaps,
// rich text). The bytes are kept exactly as read, so a design written back
// holds them unchanged.
class TStoredData : public TNestedPersistent
{
public:
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    QByteArray Data() const { return FData; }
    void SetData(const QByteArray &value) { Update(FData, value); }
    bool IsEmpty() const { return FData.isEmpty(); }
    void Clear() { SetData(QByteArray()); }

private:
    QByteArray FData;
};
