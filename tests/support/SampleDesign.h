#pragma once

#include "core/TDesign.h"

#include <QString>
#include <memory>

// Designs made by the tests and benchmarks themselves.
namespace SampleDesign {

// A fresh object at (20, 30), 50 x 15, under the given name.
template <class T>
std::unique_ptr<T> Placed(const char *name)
{
    auto object = std::make_unique<T>();
    object->SetName(QString::fromLatin1(name));
    object->SetBounds(20, 30, 50, 15);
    return object;
}

// One object of every registered class, each with values other than its
// creation values: long and short strings, text Windows-1252 cannot hold,
// named and unnamed colours, sets, a reference and picture payloads.
void FillWithEveryClass(TDesign &design);

// Count objects cycling through the kinds, with varied positions and values.
void FillWithMixedObjects(TDesign &design, int count);

} // namespace SampleDesign
