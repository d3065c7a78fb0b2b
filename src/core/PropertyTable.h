#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

class TPersistent;
struct TEnumInfo;

// The kinds of published property the design file knows; each has its own
// value encoding and writing rule.
enum class TPropertyType {
    Integer,     // smallest integer tag; written when different from the default
    Color,       // integer, or the colour's name when it has one
    Cursor,      // integer, or the cursor's name when it has one
    Boolean,     // False or True tag
    Enumeration, // member name
    Set,         // member names in ordinal order
    Float,       // extended float, written when not 0
    String,      // written when not empty
    Reference,   // another component's name, written when assigned
    Nested,      // no value: its own properties follow under "Name."
    Lines,       // a string list's lines, written when there is at least one
    Binary,      // raw bytes, written when not empty
};

// Ordinal kinds hold qint64 (enumerations their ordinal, sets a bit mask),
// Float a double, String and Reference a QString, Lines a QStringList,
// Binary a QByteArray.
using TPropertyValue = std::variant<qint64, double, QString, QStringList, QByteArray>;

struct TPropertyInfo
{
    QByteArray Name;
    TPropertyType Type = TPropertyType::Integer;
    const TEnumInfo *Enum = nullptr;  // Enumeration and Set
    std::optional<qint64> Default;    // none: always written (ordinal kinds)
    qint64 Min = 0, Max = 0;          // accepted range of ordinal kinds
    bool Stored = true;               // false: never written, still readable
    std::function<TPropertyValue(const TPersistent &)> Get;
    std::function<void(TPersistent &, const TPropertyValue &)> Set;
    std::function<TPersistent &(TPersistent &)> Nested;
    std::function<const TPersistent &(const TPersistent &)> NestedConst;

    bool IsOrdinal() const;
    // The writing rules of the design file for a value of this property.
    bool ShouldWrite(const TPropertyValue &value) const;
};

class TPropertyTable
{
public:
    explicit TPropertyTable(std::vector<TPropertyInfo> entries);
    // A derived kind streams its base's properties first, then its own.
    TPropertyTable(const TPropertyTable &base, std::vector<TPropertyInfo> own);

    const std::vector<TPropertyInfo> &Entries() const { return FEntries; }
    // Property names compare without regard to case.
    const TPropertyInfo *Find(QByteArrayView name) const;

private:
    std::vector<TPropertyInfo> FEntries;
};
