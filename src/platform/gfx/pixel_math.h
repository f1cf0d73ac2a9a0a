// Pixel arithmetic shared by every drawing: rounding to whole pixels, 64-bit MulDiv and saturation.
//
// Rules:
// - A pixel position is a 32-bit integer. Positions are worked out in double or in 64 bits and saturate
//   at the int range instead of wrapping, so a huge or non-finite value ends up far off the picture
//   rather than at a random place on it. NaN becomes 0.
// - `RoundPixel` rounds to the nearest integer with halves to the even neighbour (the rule of the chart
//   engine's projections); `TruncPixel` drops the fraction; halving an integer size is `a / 2`, toward zero.
// - `MulDiv` (a * b / c) keeps the product in 64 bits, rounds half away from zero and answers 0 for a zero
//   divisor: every caller divides a length into steps, where no step is the sound answer.
#pragma once

#include <cstdint>

namespace fv {

int SaturateToInt(std::int64_t v);
int SaturateToInt(double v);  // truncates toward zero; NaN gives 0

int RoundPixel(double v);     // nearest, halves to even, saturated
int TruncPixel(double v);     // toward zero, saturated

int MulDiv(int a, int b, int c);

// a + b and a - b without overflow (sums of pixel positions and offsets).
int AddPixels(int a, int b);
int SubPixels(int a, int b);
// (a + b) / 2, toward zero, without overflow: the middle of two positions.
int MidPixel(int a, int b);

}  // namespace fv
