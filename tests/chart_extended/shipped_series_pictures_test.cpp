// The series type pictures the program ships: every series type the program registers finds a picture of
// its own class, 24 x 24, drawn (not blank) and unlike every other type's; the folder holds nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "chart/extended/extended_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_pictures.h"
#include "chart/series_types.h"

namespace fv {
namespace {

class ShippedSeriesPictures : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        RegisterExtendedSeriesTypes();
        SetSeriesPictureFolder(folder);
    }
    void TearDown() override { SetSeriesPictureFolder(""); }
    const std::string folder = std::string(FOLIVEX_SOURCE_DIR) + "/resources/series";
};

TEST_F(ShippedSeriesPictures, EveryRegisteredSeriesTypeHasItsOwnPicture) {
    std::map<std::vector<std::uint32_t>, std::string> seen;
    int types = 0;
    for (const auto& entry : ChartSeriesTypes().Items()) {
        if (!entry->SeriesClass || entry->FunctionClass) continue;
        ++types;
        const std::string name = entry->SeriesClass->Name;
        std::unique_ptr<Component> made(entry->SeriesClass->Create(nullptr));
        auto* series = dynamic_cast<TChartSeries*>(made.get());
        ASSERT_NE(series, nullptr) << name;
        Bitmap bitmap;
        ASSERT_TRUE(LoadSeriesBitmap(*series, bitmap)) << name;
        EXPECT_NE(SeriesClassPicture(name), nullptr) << name << ": found only through its parent";
        EXPECT_EQ(bitmap.Width, 24) << name;
        EXPECT_EQ(bitmap.Height, 24) << name;
        // A drawing: a good part of it is neither white nor one single colour.
        int drawn = 0;
        std::set<std::uint32_t> colours;
        for (std::uint32_t px : bitmap.Pixels) {
            if ((px & 0xFFFFFFu) != 0xFFFFFFu) ++drawn;
            colours.insert(px);
        }
        EXPECT_GT(drawn, 24 * 24 / 10) << name;
        EXPECT_GT(colours.size(), 3u) << name;
        auto [at, fresh] = seen.emplace(bitmap.Pixels, name);
        EXPECT_TRUE(fresh) << name << " looks the same as " << at->second;
    }
    // Every series type of the program.
    EXPECT_EQ(types, 21);
}

TEST_F(ShippedSeriesPictures, TheFolderHoldsOnlyPicturesOfRegisteredSeriesClasses) {
    std::set<std::string> expected;
    for (const auto& entry : ChartSeriesTypes().Items())
        if (entry->SeriesClass) expected.insert(SeriesPictureFileName(entry->SeriesClass->Name));
    std::set<std::string> shipped;
    for (const auto& file : std::filesystem::directory_iterator(folder))
        shipped.insert(file.path().filename().string());
    EXPECT_EQ(shipped, expected);
}

}  // namespace
}  // namespace fv
