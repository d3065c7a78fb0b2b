#include "core/TPersistent.h"

TPersistent::~TPersistent() = default;
