#pragma once

// Both half-up roundings the handbook shows numbers with, in one place. They differ on
// purpose: each keeps the results its own tests and the printed tables expect.

// Rounds half away from zero to n decimals; the 1e-12 nudge lets values that sit just
// below a half only because of their binary representation round up. The weld calculator's
// result lines.
double roundHalfUp(double x, int n);

// Rounds halves toward plus infinity to n decimals, the scaled value nudged by a relative
// 1e-12 so that a value just below a half only through its binary form (1.005) rounds up.
// The take-off's totals, which are never negative.
double roundHalfUpward(double value, int decimals);
