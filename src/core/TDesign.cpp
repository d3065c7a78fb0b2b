#include "core/TDesign.h"

#include "core/TGGraphicControl.h"

namespace {

const QLatin1String ComponentPrefix("Component");

// N when the name is "Component" + N (any case, plain decimal digits without
// leading zeros, N within range), otherwise -1.
int ComponentNumber(const QString &name)
{
    if (!name.startsWith(ComponentPrefix, Qt::CaseInsensitive))
        return -1;
    const QStringView digits = QStringView(name).mid(ComponentPrefix.size());
    if (digits.isEmpty() || digits.size() > 4 || (digits.size() > 1 && digits.front() == u'0'))
        return -1;
    int n = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n <= TDesign::MaxComponentNumber ? n : -1;
}

} // namespace

TDesign::TDesign() = default;

TDesign::~TDesign()
{
    Clear();
}

int TDesign::IndexOf(const TGGraphicControl *object) const
{
    for (size_t i = 0; i < FObjects.size(); ++i)
        if (FObjects[i].get() == object)
            return int(i);
    return -1;
}

TGGraphicControl *TDesign::FindObject(QStringView name) const
{
    for (const auto &object : FObjects)
        if (QStringView(object->Name()).compare(name, Qt::CaseInsensitive) == 0)
            return object.get();
    return nullptr;
}

TGGraphicControl *TDesign::Add(std::unique_ptr<TGGraphicControl> object)
{
    object->FDesign = this;
    CountName(object->Name(), +1);
    FObjects.push_back(std::move(object));
    return FObjects.back().get();
}

std::unique_ptr<TGGraphicControl> TDesign::Remove(TGGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TGGraphicControl> removed = std::move(FObjects[size_t(index)]);
    FObjects.erase(FObjects.begin() + index);
    CountName(removed->Name(), -1);
    removed->FDesign = nullptr;
    return removed;
}

void TDesign::Clear()
{
    for (auto &object : FObjects)
        object->FDesign = nullptr;
    FObjects.clear();
    FComponentNumberUse.fill(0);
}

QString TDesign::UniqueComponentName() const
{
    for (int n = 0; n <= MaxComponentNumber; ++n)
        if (FComponentNumberUse[size_t(n)] == 0)
            return ComponentPrefix + QString::number(n);
    return QString();
}

void TDesign::ObjectChanged(TGGraphicControl *object)
{
    if (OnObjectChanged)
        OnObjectChanged(object);
}

void TDesign::ObjectRenamed(const QString &oldName, const QString &newName)
{
    CountName(oldName, -1);
    CountName(newName, +1);
}

void TDesign::CountName(const QString &name, int delta)
{
    const int n = ComponentNumber(name);
    if (n >= 0)
        FComponentNumberUse[size_t(n)] += delta;
}
