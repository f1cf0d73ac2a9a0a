// The table the series registry receives: names, gallery pages and counts, and a series of each type made
// from it with its owner.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/extended/extended_types.h"
#include "chart/extended/shape_series.h"
#include "chart/extended/surface_series.h"

namespace fv {
namespace {

TEST(ExtendedTypes, TheGalleryEntriesInOrder) {
    std::vector<std::string> seen;
    RegisterExtendedSeriesTypes([&](const ExtendedSeriesTypeInfo& t) {
        seen.push_back(std::string(t.ClassName) + " " + t.Description + " " + t.GalleryPage + " " +
                       std::to_string(t.NumGallerySeries));
    });
    std::vector<std::string> expected = {"TSurfaceSeries Surface Extended 1", "TContourSeries Contour Extended 1",
                                         "TChartShape Shape Standard 2"};
    EXPECT_EQ(seen, expected);
}

TEST(ExtendedTypes, EachTypeMakesASeriesOfItsClass) {
    Component owner(nullptr, "Form");
    const ExtendedSeriesTypeInfo* surface = FindExtendedSeriesType("TSurfaceSeries");
    ASSERT_NE(surface, nullptr);
    TChartSeries* s = surface->Create(&owner);
    EXPECT_NE(dynamic_cast<TSurfaceSeries*>(s), nullptr);
    EXPECT_EQ(s->Owner(), &owner) << "the owner frees it";
    EXPECT_NE(dynamic_cast<TContourSeries*>(FindExtendedSeriesType("TContourSeries")->Create(&owner)), nullptr);
    EXPECT_NE(dynamic_cast<TChartShape*>(FindExtendedSeriesType("TChartShape")->Create(&owner)), nullptr);
    EXPECT_EQ(FindExtendedSeriesType("TLineSeries"), nullptr);
}

}  // namespace
}  // namespace fv
