#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <memory>
#include <vector>

class TGGraphicControl;

// The object classes a design stream may name, each with a way to create a
// fresh object of it.
class TClassRegistry
{
public:
    using TFactory = std::unique_ptr<TGGraphicControl> (*)();

    template <class T>
    void Register()
    {
        Register(T::StaticClassName, [] { return std::unique_ptr<TGGraphicControl>(new T); });
    }
    void Register(const char *className, TFactory factory);

    // Class names compare without regard to case; nullptr for an unknown class.
    std::unique_ptr<TGGraphicControl> Create(QByteArrayView className) const;
    std::vector<QByteArray> ClassNames() const;

private:
    struct TEntry
    {
        QByteArray Name;
        TFactory Factory;
    };
    std::vector<TEntry> FEntries;
};
