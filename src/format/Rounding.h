#pragma once

// Rounds to n decimals, halves toward positive infinity (-2.5 to 0 decimals
// gives -2), as floor(x * 10^n + 0.5) / 10^n.
//
// Prices are typed and stored as decimals, but a double holds most of them
// only approximately: 2.675 is really 2.67499999999999982..., and the plain
// formula would give 2.67 where the firm expects 2.68. So a value whose
// scaled fraction lies within a few units of the last place of one half is
// taken to be that half. Values that are exact in binary keep the formula's
// result; values that are clearly below or above a half (1.0049999) are not
// moved.
double RoundHalfUp(double x, int decimals);
