#pragma once

#include "core/Enumerations.h"
#include "core/PropertyTable.h"
#include "core/TPersistent.h"
#include "platform/TColor.h"
#include "platform/TCursor.h"

#include <limits>
#include <type_traits>

// Helpers that turn one line per published property into a TPropertyInfo.
// A property is reached either through a field (the generic setter stores a
// different value and reports PropertyChanged) or through a getter and a
// setter of the class, when setting has effects of its own.
namespace Prop {

// Keeps a default argument from taking part in template deduction, so that a
// plain enumerator or number can stand for an optional default.
template <class X>
struct TNonDeduced
{
    using type = X;
};
template <class X>
using NonDeduced = typename TNonDeduced<X>::type;

template <class T, class V>
struct TAccessor
{
    std::function<V(const T &)> Get;
    std::function<void(T &, const V &)> Set;
};

template <class T, class V>
TAccessor<T, V> Field(V T::*field)
{
    return {[field](const T &host) { return host.*field; },
            [field](T &host, const V &value) {
                if (host.*field == value)
                    return;
                host.*field = value;
                host.PropertyChanged();
            }};
}

template <class T, class V, class A>
TAccessor<T, V> Methods(V (T::*getter)() const, void (T::*setter)(A))
{
    return {[getter](const T &host) { return (host.*getter)(); },
            [setter](T &host, const V &value) { (host.*setter)(value); }};
}

template <class V>
qint64 ToOrdinal(const V &value)
{
    if constexpr (std::is_same_v<V, TFontStyles>)
        return qint64(value.mask());
    else
        return qint64(value);
}

template <class V>
V FromOrdinal(qint64 ordinal)
{
    if constexpr (std::is_same_v<V, TFontStyles>)
        return TFontStyles::fromMask(quint32(ordinal));
    else if constexpr (std::is_same_v<V, bool>)
        return ordinal != 0;
    else
        return V(ordinal);
}

template <class T, class V>
TPropertyInfo Ordinal(const char *name, TPropertyType type, TAccessor<T, V> access, std::optional<NonDeduced<V>> def,
                      const TEnumInfo *info = nullptr)
{
    TPropertyInfo p;
    p.Name = name;
    p.Type = type;
    p.Enum = info;
    if (def)
        p.Default = ToOrdinal(*def);
    if constexpr (std::is_enum_v<V>) {
        p.Min = 0;
        p.Max = info->Count() - 1;
    } else if constexpr (std::is_same_v<V, TFontStyles>) {
        p.Min = 0;
        p.Max = (qint64(1) << info->Count()) - 1;
    } else {
        p.Min = std::numeric_limits<V>::min();
        p.Max = std::numeric_limits<V>::max();
    }
    p.Get = [get = access.Get](const TPersistent &host) -> TPropertyValue {
        return ToOrdinal(get(static_cast<const T &>(host)));
    };
    p.Set = [set = access.Set](TPersistent &host, const TPropertyValue &value) {
        set(static_cast<T &>(host), FromOrdinal<V>(std::get<qint64>(value)));
    };
    return p;
}

template <class T>
TPropertyInfo Integer(const char *name, TAccessor<T, qint32> access, std::optional<qint32> def = std::nullopt)
{
    return Ordinal(name, TPropertyType::Integer, std::move(access), def);
}

template <class T>
TPropertyInfo Color(const char *name, TAccessor<T, TColor> access, std::optional<TColor> def = std::nullopt)
{
    return Ordinal(name, TPropertyType::Color, std::move(access), def);
}

template <class T>
TPropertyInfo Cursor(const char *name, TAccessor<T, TCursor> access, std::optional<TCursor> def = std::nullopt)
{
    return Ordinal(name, TPropertyType::Cursor, std::move(access), def);
}

template <class T>
TPropertyInfo Boolean(const char *name, TAccessor<T, bool> access, std::optional<bool> def = std::nullopt)
{
    TPropertyInfo p = Ordinal(name, TPropertyType::Boolean, std::move(access), def);
    p.Min = 0;
    p.Max = 1;
    return p;
}

template <class T, class E>
TPropertyInfo Enumeration(const char *name, TAccessor<T, E> access, std::optional<NonDeduced<E>> def = std::nullopt)
{
    return Ordinal(name, TPropertyType::Enumeration, std::move(access), def, &EnumInfoOf<E>());
}

template <class T>
TPropertyInfo FontStyleSet(const char *name, TAccessor<T, TFontStyles> access)
{
    return Ordinal(name, TPropertyType::Set, std::move(access), std::optional<TFontStyles>(),
                   &EnumInfoOf<TFontStyle>());
}

template <class T, class V>
TPropertyInfo Valued(const char *name, TPropertyType type, TAccessor<T, V> access)
{
    TPropertyInfo p;
    p.Name = name;
    p.Type = type;
    p.Get = [get = access.Get](const TPersistent &host) -> TPropertyValue {
        return get(static_cast<const T &>(host));
    };
    p.Set = [set = access.Set](TPersistent &host, const TPropertyValue &value) {
        set(static_cast<T &>(host), std::get<V>(value));
    };
    return p;
}

template <class T>
TPropertyInfo Float(const char *name, TAccessor<T, double> access)
{
    return Valued(name, TPropertyType::Float, std::move(access));
}

template <class T>
TPropertyInfo String(const char *name, TAccessor<T, QString> access)
{
    return Valued(name, TPropertyType::String, std::move(access));
}

// A reference keeps the name it was given; it is written when not empty.
template <class T>
TPropertyInfo Reference(const char *name, TAccessor<T, QString> access)
{
    return Valued(name, TPropertyType::Reference, std::move(access));
}

template <class T>
TPropertyInfo Lines(const char *name, TAccessor<T, QStringList> access)
{
    return Valued(name, TPropertyType::Lines, std::move(access));
}

template <class T>
TPropertyInfo Binary(const char *name, TAccessor<T, QByteArray> access)
{
    return Valued(name, TPropertyType::Binary, std::move(access));
}

template <class T, class N>
TPropertyInfo Nested(const char *name, N T::*member)
{
    static_assert(std::is_base_of_v<TPersistent, N>);
    TPropertyInfo p;
    p.Name = name;
    p.Type = TPropertyType::Nested;
    p.Nested = [member](TPersistent &host) -> TPersistent & { return static_cast<T &>(host).*member; };
    p.NestedConst = [member](const TPersistent &host) -> const TPersistent & {
        return static_cast<const T &>(host).*member;
    };
    return p;
}

// Published but never written (a font's point size follows its pixel height).
inline TPropertyInfo NotStored(TPropertyInfo p)
{
    p.Stored = false;
    return p;
}

} // namespace Prop
