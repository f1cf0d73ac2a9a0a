// Loads any bytes as a chart file into a fresh chart of the chart window's class, draws the result on a recording canvas that stops
// a drawing past a fixed number of calls, and saves it again: a chart that loaded must draw in bounded
// work and save to a file that loads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "chart/chart.h"
#include "chart/chart_store.h"
#include "chart/series/series_registration.h"
#include "chart/extended/extended_types.h"
#include "store_chart.h"
#include "platform/gfx/recording_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fv;
    static const bool registered =
        (RegisterStandardSeriesTypes(), RegisterStoreTestClasses(), RegisterExtendedSeriesTypes(), true);
    (void)registered;
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 400, 300);
    try {
        LoadChartStream(&chart, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
        return 0;  // refused cleanly
    }
    RecordingCanvas canvas;
    canvas.CallLimit = 200000;
    try {
        chart.DrawToCanvas(canvas, chart.ChartBounds());
    } catch (const std::length_error&) {
        std::abort();  // a loaded chart drew without end
    } catch (const std::exception&) {
        // A chart whose settings its own drawing refuses (an axis error message) is no fault of the file.
    }
    std::string saved = SaveChartStream(chart);
    TChart again(nullptr);
    LoadChartStream(&again, saved);
    if (SaveChartStream(again) != saved) std::abort();
    return 0;
}
