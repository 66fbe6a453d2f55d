#pragma once

// Real arithmetic shared by the simulation and the cutter view. Every result must match the
// reference arithmetic bit for bit, so these are used instead of the library's asin, acos,
// pow and lround.

#include "numeric/rounding.h"

namespace sim {

// Nearest integer, halves to the even neighbour (see numeric::Round).
using numeric::Round;

// arcsin through the two-argument arctangent: atan2(x, sqrt(1 - x^2)), in [-pi/2, pi/2].
double ArcSin(double x);

// arccos through the two-argument arctangent: atan2(sqrt(1 - x^2), x), in [0, pi].
double ArcCos(double x);

// b^e: 1 for e = 0; 0 for b = 0 and e > 0; repeated multiplication for a whole e;
// exp(e x ln b) otherwise (which differs from pow in the last bit).
double Power(double base, double exponent);

} // namespace sim
