#include "core/TDesign.h"

#include "core/TGGraphicControl.h"
#include "platform/WinMath.h"

#include <QPainter>

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
    // The editor is gone by now: nobody is left to hear of removals.
    OnObjectRemoving = nullptr;
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
    if (OnObjectRemoving)
        OnObjectRemoving(object);
    std::unique_ptr<TGGraphicControl> removed = std::move(FObjects[size_t(index)]);
    FObjects.erase(FObjects.begin() + index);
    CountName(removed->Name(), -1);
    removed->FDesign = nullptr;
    return removed;
}

void TDesign::Clear()
{
    while (!FObjects.empty())
        Remove(FObjects.back().get());
}

void TDesign::BringToFront(TGGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return;
    std::unique_ptr<TGGraphicControl> moved = std::move(FObjects[size_t(index)]);
    FObjects.erase(FObjects.begin() + index);
    FObjects.push_back(std::move(moved));
}

void TDesign::SendToBack(TGGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return;
    std::unique_ptr<TGGraphicControl> moved = std::move(FObjects[size_t(index)]);
    FObjects.erase(FObjects.begin() + index);
    FObjects.insert(FObjects.begin(), std::move(moved));
}

QString TDesign::UniqueName(const QString &prefix) const
{
    for (int n = 1; n <= 1000; ++n) {
        const QString name = prefix + QString::number(n);
        if (!FindObject(name))
            return name;
    }
    return QString();
}

void TDesign::SetSize(int width, int height)
{
    FWidth = width;
    FHeight = height;
}

void TDesign::SetZoom(float newZoom)
{
    if (newZoom == FZoom)
        return;
    FZooming = true;
    // A zoom that is (nearly) zero would divide by zero; treat it as 100 %.
    const float current = int(FZoom * 10) == 0 ? 1.0f : FZoom;
    const double f = double(newZoom) / double(current);
    FWidth = WinMath::RoundHalfEven(FWidth * f);
    FHeight = WinMath::RoundHalfEven(FHeight * f);
    FZoom = newZoom;
    for (const auto &object : FObjects)
        object->SetZoom(newZoom);
    FZooming = false;
}

void TDesign::FireLabelChanged()
{
    if (!FZooming && OnLabelChanged)
        OnLabelChanged();
}

void TDesign::RequestRefit()
{
    if (OnRefitRequested)
        OnRefitRequested();
}

void TDesign::PaintObjects(QPainter &painter) const
{
    for (const auto &object : FObjects)
        object->DrawOnto(painter, object->Left(), object->Top());
}

void TDesign::PrintObjects(TReport &report, double originX, double originY) const
{
    for (const auto &object : FObjects)
        object->PrintTo(report, originX, originY);
}

void TDesign::PurgeStrayObjects()
{
    for (int i = Count() - 1; i >= 0; --i) {
        const TGGraphicControl *object = At(i);
        if (object->Top() > FHeight - 10 || object->Left() > FWidth - 10 || object->Width() < 1
            || object->Height() < 1)
            Remove(At(i));
    }
}

void TDesign::ClampObjects()
{
    for (const auto &object : FObjects) {
        if (object->Top() > FHeight - 10)
            object->SetTop(FHeight - 10);
        if (object->Left() > FWidth - 20)
            object->SetLeft(FWidth - 20);
    }
}

QString TDesign::UniqueComponentName() const
{
    for (int n = 0; n <= MaxComponentNumber; ++n)
        if (FComponentNumberUse[size_t(n)] == 0)
            return ComponentPrefix + QString::number(n);
    return QString();
}

void TDesign::ObjectChanged(TGGraphicControl *)
{
    if (!FPrinting)
        FireLabelChanged();
}

void TDesign::ObjectNeedsRepaint(TGGraphicControl *object)
{
    if (OnRepaintRequested)
        OnRepaintRequested(object);
}

void TDesign::ObjectBecameUnselectable(TGGraphicControl *object)
{
    if (OnObjectBecameUnselectable)
        OnObjectBecameUnselectable(object);
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
