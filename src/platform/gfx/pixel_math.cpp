// Pixel arithmetic: saturating conversions, rounding and MulDiv.
#include "platform/gfx/pixel_math.h"

#include <climits>
#include <cmath>

namespace fv {

int SaturateToInt(std::int64_t v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return int(v);
}

int SaturateToInt(double v) {
    if (std::isnan(v)) return 0;
    // Compare before converting: converting an out-of-range double to int is undefined.
    if (v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return int(v);
}

int RoundPixel(double v) {
    if (!std::isfinite(v)) return SaturateToInt(v);
    // nearbyint follows the default rounding mode, which is to nearest with ties to even.
    return SaturateToInt(std::nearbyint(v));
}

int TruncPixel(double v) { return SaturateToInt(v); }

int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    std::int64_t p = std::int64_t(a) * std::int64_t(b);
    // |p| < 2^62 and |c| >= 1, so the doubled remainder below cannot overflow.
    std::int64_t q = p / c;
    std::int64_t r = p % c;
    std::int64_t absR2 = (r < 0 ? -r : r) * 2;
    std::int64_t absC = c < 0 ? -std::int64_t(c) : std::int64_t(c);
    if (absR2 >= absC) q += ((p < 0) != (c < 0)) ? -1 : 1;
    return SaturateToInt(q);
}

int AddPixels(int a, int b) { return SaturateToInt(std::int64_t(a) + b); }

int MidPixel(int a, int b) { return int((std::int64_t(a) + b) / 2); }
int SubPixels(int a, int b) { return SaturateToInt(std::int64_t(a) - b); }

}  // namespace fv
