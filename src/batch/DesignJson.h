#pragma once

#include <QByteArray>

class TDesign;

// The design as JSON: every object in z-order with its class, names and every
// published property after reading, nested ones under their stream paths.
QByteArray DesignToJson(const TDesign &design);
