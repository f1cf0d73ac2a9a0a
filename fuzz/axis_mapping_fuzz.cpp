// Feeds raw doubles (NaN, infinities, huge and tiny values included) to an axis' limits, its value and
// pixel mapping and its label step: nothing may crash, overflow or loop for ever.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "chart/axis.h"
#include "store_chart.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fv;
    auto next = [&](double fallback) {
        if (size < 8) return fallback;
        double v;
        std::memcpy(&v, data, 8);
        data += 8;
        size -= 8;
        return v;
    };
    StoreChart chart;
    chart.SetView3D(false);
    TCustomChartAxis& axis = *chart.LeftAxis();
    std::uint8_t flags = size > 0 ? data[0] : 0;
    if (size > 0) ++data, --size;
    try {
        axis.SetRange(next(0), next(1));
        if (flags & 1) axis.SetInverted(true);
        if (flags & 2) axis.SetLogarithmic(true);
        if (flags & 4) axis.SetIncrement(next(0));
        axis.AdjustMaxMin();
        axis.CalcExtent({10, 10, 390, 290});
        for (int i = 0; i < 4; ++i) {
            double v = next(double(i));
            (void)axis.ValueToPixel(v);
            (void)axis.ValueToPixelLength(v);
            (void)axis.PixelToValue(std::int32_t(std::uint32_t(std::bit_cast<std::uint64_t>(v))));
        }
        (void)axis.CalcLabelsIncrement();
        (void)axis.IncrementForLabelCount(int(flags));
    } catch (const ChartException&) {
        // Refused settings are answers, not faults.
    }
    return 0;
}
