// Sine and cosine rounded to the nearest double, the same on every platform.
#pragma once

namespace kmd {

// x in radians, any double. NaN in gives NaN out (quieted, payload kept); an
// infinity gives the NaN with bits 0xfff8000000000000.
double Sine(double x);
double Cosine(double x);

}  // namespace kmd
