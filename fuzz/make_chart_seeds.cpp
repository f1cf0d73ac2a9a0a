// Writes the chart file target's seeds: for every registered series type, a chart holding one series of it
// filled with sample values, flat and in 3D, saved as "<class>.cht" and "<class>_3d.cht" in the folder
// given (tests/fixtures/fuzz/chart_file_fuzz). Built with the fuzz targets and run by hand when series
// types are added; the fuzzing itself does not run it.
#include <cstdio>
#include <exception>
#include <string>

#include "chart/chart.h"
#include "chart/chart_store.h"
#include "chart/extended/extended_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "platform/fs/files.h"

int main(int argc, char** argv) {
    using namespace fv;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chart_seeds FOLDER\n");
        return 2;
    }
    RegisterChartEngineTypes();
    RegisterStandardSeriesTypes();
    RegisterExtendedSeriesTypes();
    int written = 0;
    for (const auto& type : ChartSeriesTypes().Items()) {
        if (!type->SeriesClass || type->FunctionClass) continue;
        for (bool view3D : {false, true}) {
            TChart chart(nullptr);
            chart.SetBounds(0, 0, 400, 300);
            chart.SetView3D(view3D);
            try {
                TChartSeries* series = CreateSeriesOfClass(&chart, chart, *type->SeriesClass);
                series->FillSampleValues(8);
                const std::string name = type->SeriesClass->Name + (view3D ? "_3d" : "") + ".cht";
                if (!WriteWholeFile(JoinPath(argv[1], name), SaveChartStream(chart))) return 1;
                ++written;
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s: %s\n", type->SeriesClass->Name.c_str(), e.what());
            }
        }
    }
    std::printf("%d seeds written\n", written);
    return 0;
}
