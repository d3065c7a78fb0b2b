#pragma once

// Design coordinates are pixels of a logical 96 pixels-per-inch screen on
// every display, so a design looks and prints the same everywhere.
namespace Screen {
constexpr int PixelsPerInch = 96;
}
