#include "core/TNestedPersistent.h"

void TNestedPersistent::PropertyChanged()
{
    if (OnChange)
        OnChange();
}
