// Every series type drawn twice in a row into the same canvas gives the same calls with the same state:
// nothing of one paint (an axis' text alignment, a series' pen) carries into the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/extended/extended_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

// Each call with the state it was drawn with.
std::vector<std::string> Described(const RecordingCanvas& rec) {
    std::vector<std::string> lines;
    for (const CanvasCall& c : rec.Calls()) {
        const CanvasState& s = c.State;
        std::ostringstream out;
        out << c.ToString() << " '" << c.Text << "' align " << s.TextAlign << " pen " << s.CanvasPen.PenColor << '/'
            << s.CanvasPen.Width << '/' << int(s.CanvasPen.Style) << " brush " << s.CanvasBrush.BrushColor << '/'
            << int(s.CanvasBrush.Style) << " font " << s.CanvasFont.Name << '/' << s.CanvasFont.Size << '/'
            << s.CanvasFont.FontColor << '/' << s.CanvasFont.Angle << " back " << s.BackColor << '/'
            << int(s.Background) << " clip " << s.Clip.Active;
        lines.push_back(out.str());
    }
    return lines;
}

TEST(RepeatedPaint, EverySeriesTypeDrawsTheSameCallsTwiceInARow) {
    RegisterStandardSeriesTypes();
    RegisterChartEngineTypes();
    RegisterExtendedSeriesTypes();
    int types = 0;
    for (bool view3D : {false, true}) {
        for (const auto& entry : ChartSeriesTypes().Items()) {
            if (!entry->SeriesClass || entry->FunctionClass) continue;
            SCOPED_TRACE(entry->SeriesClass->Name + (view3D ? " in 3D" : " flat"));
            ++types;
            TChart chart(nullptr);
            chart.SetBufferedDisplay(false);
            chart.SetView3D(view3D);
            TChartSeries* series = CreateSeriesOfClass(&chart, chart, *entry->SeriesClass);
            ASSERT_NE(series, nullptr);
            series->FillSampleValues(6);
            RecordingCanvas rec;
            chart.Paint(rec);
            std::vector<std::string> first = Described(rec);
            rec.Clear();
            chart.Paint(rec);
            std::vector<std::string> second = Described(rec);
            ASSERT_FALSE(first.empty());
            EXPECT_EQ(second.size(), first.size());
            // The first call that differs, with what it was the first time.
            for (std::size_t i = 0; i < std::min(first.size(), second.size()); ++i)
                if (first[i] != second[i]) {
                    ADD_FAILURE() << "call " << i << ": " << second[i] << "\n  first paint: " << first[i];
                    break;
                }
        }
    }
    EXPECT_EQ(types, 2 * 21) << "every series type of the program, flat and in 3D";
}

}  // namespace
}  // namespace fv
