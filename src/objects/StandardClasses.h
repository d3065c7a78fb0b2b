#pragma once

class TClassRegistry;

// The twelve object classes a design file may contain, in registration order.
void RegisterStandardClasses(TClassRegistry &registry);
// A registry holding exactly those classes.
const TClassRegistry &StandardClasses();
