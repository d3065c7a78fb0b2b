#pragma once

#include "core/TPersistent.h"

#include <functional>

// A persistent object owned by a design object (its font, pen, brush,
// picture...). The owner hears of every change through OnChange.
class TNestedPersistent : public TPersistent
{
public:
    std::function<void()> OnChange;

    void PropertyChanged() override;
};
