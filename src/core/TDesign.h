#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class TGGraphicControl;

// The objects of one card in z-order (bottom first). The design owns them
// and keeps their names, so that objects read from a stream can be given
// names no other object bears.
class TDesign
{
public:
    // Names "Component0" to "Component1000" are tried for a new object.
    static constexpr int MaxComponentNumber = 1000;

    TDesign();
    ~TDesign();
    TDesign(const TDesign &) = delete;
    TDesign &operator=(const TDesign &) = delete;

    int Count() const { return int(FObjects.size()); }
    TGGraphicControl *At(int index) const { return FObjects[size_t(index)].get(); }
    int IndexOf(const TGGraphicControl *object) const;
    // Names compare without regard to case.
    TGGraphicControl *FindObject(QStringView name) const;

    // Adds on top of the z-order.
    TGGraphicControl *Add(std::unique_ptr<TGGraphicControl> object);
    std::unique_ptr<TGGraphicControl> Remove(TGGraphicControl *object);
    void Clear();

    // The first "Component" + N that no object bears, or an empty string
    // when all of them are taken.
    QString UniqueComponentName() const;

    // Raised for every change an object reports outside stream reading.
    std::function<void(TGGraphicControl *)> OnObjectChanged;

private:
    friend class TGGraphicControl;
    void ObjectChanged(TGGraphicControl *object);
    void ObjectRenamed(const QString &oldName, const QString &newName);
    void CountName(const QString &name, int delta);

    std::vector<std::unique_ptr<TGGraphicControl>> FObjects;
    // How many objects bear each "Component" + N name: naming stays cheap
    // however many objects a design holds.
    std::array<int, MaxComponentNumber + 1> FComponentNumberUse{};
};
