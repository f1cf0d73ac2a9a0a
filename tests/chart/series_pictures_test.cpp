// The series type pictures: a series finds the picture of its class, else of its parent class, else
// none and the bitmap it was given stays; files are named after the class in capitals and read once.
#include <gtest/gtest.h>

#include "chart/chart_properties.h"
#include "chart/fast_line.h"
#include "chart/series_pictures.h"
#include "chart/series_types.h"
#include "platform/fs/files.h"
#include "platform/gfx/bmp_file.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

// Test classes, each registered under its name and a parent name; which files exist decides the rest.
struct OwnPictureSeries : TFastLineSeries {
    using TFastLineSeries::TFastLineSeries;
};
struct ParentPictureSeries : TFastLineSeries {
    using TFastLineSeries::TFastLineSeries;
};
struct NoPictureSeries : TFastLineSeries {
    using TFastLineSeries::TFastLineSeries;
};
struct BrokenPictureSeries : TFastLineSeries {
    using TFastLineSeries::TFastLineSeries;
};
struct UnregisteredSeries : TFastLineSeries {
    using TFastLineSeries::TFastLineSeries;
};

// A picture of one colour, w x 2 pixels, so each file is told apart by its colour and width.
Bitmap Plain(int w, std::uint32_t colour) { return Bitmap(w, 2, colour); }

class SeriesPictures : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterChartEngineTypes();
        RegisterChartClass<OwnPictureSeries>("TOwnPictureSeries", FastLineProperties(), "TPictureBase");
        RegisterChartClass<ParentPictureSeries>("TParentPictureSeries", FastLineProperties(), "TPictureBase");
        RegisterChartClass<NoPictureSeries>("TNoPictureSeries", FastLineProperties(), "TNoSuchBase");
        RegisterChartClass<BrokenPictureSeries>("TBrokenPictureSeries", FastLineProperties(), "TPictureBase");
        Write("TOWNPICTURESERIES.bmp", EncodeBmp24(Plain(3, 0xFF0000FFu)));
        Write("TPICTUREBASE.bmp", EncodeBmp24(Plain(4, 0xFF00FF00u)));
        Write("TBROKENPICTURESERIES.bmp", "BM but not a picture");
        SetSeriesPictureFolder(dir.Path());
    }
    void TearDown() override {
        SetSeriesPictureFolder("");
        for (const char* name :
             {"TOwnPictureSeries", "TParentPictureSeries", "TNoPictureSeries", "TBrokenPictureSeries"})
            UnregisterChartClass(name);
    }
    void Write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(dir.File(name), bytes)) << name;
    }
    testing::TempDir dir;
};

TEST_F(SeriesPictures, OwnClassElseParentClassElseUnchanged) {
    OwnPictureSeries own;
    ParentPictureSeries inherits;
    NoPictureSeries orphan;
    BrokenPictureSeries broken;
    UnregisteredSeries stranger;
    struct Case {
        const char* why;
        const TChartSeries* series;
        bool found;
        int width;  // of the bitmap afterwards: 3 own, 4 parent's, 9 untouched
    };
    const Case cases[] = {
        {"its class has a picture", &own, true, 3},
        {"only its parent class has one", &inherits, true, 4},
        {"neither has one: the bitmap stays", &orphan, false, 9},
        {"its own file is no picture: the parent's", &broken, true, 4},
        {"a class the registry does not know", &stranger, false, 9},
    };
    for (const Case& c : cases) {
        Bitmap bitmap = Plain(9, 0xFF123456u);
        EXPECT_EQ(LoadSeriesBitmap(*c.series, bitmap), c.found) << c.why;
        EXPECT_EQ(bitmap.Width, c.width) << c.why;
        // GalleryBitmap is the same lookup.
        Bitmap gallery = Plain(9, 0xFF123456u);
        c.series->GalleryBitmap(gallery);
        EXPECT_EQ(gallery.Pixels, bitmap.Pixels) << c.why;
    }
    Bitmap bitmap;
    ASSERT_TRUE(LoadSeriesBitmap(own, bitmap));
    EXPECT_EQ(bitmap.Height, 2);
    EXPECT_EQ(bitmap.Pixels.front(), 0xFF0000FFu);
}

TEST_F(SeriesPictures, NoFolderNoPicture) {
    SetSeriesPictureFolder("");
    OwnPictureSeries own;
    Bitmap bitmap = Plain(9, 0xFF123456u);
    EXPECT_FALSE(LoadSeriesBitmap(own, bitmap));
    EXPECT_EQ(bitmap.Width, 9);
    EXPECT_EQ(SeriesClassPicture("TOwnPictureSeries"), nullptr);
}

TEST_F(SeriesPictures, FilesAreNamedInCapitalsAndReadOnceUntilTheFolderChanges) {
    EXPECT_EQ(SeriesPictureFileName("TLineSeries"), "TLINESERIES.bmp");
    EXPECT_EQ(SeriesPictureFileName("THorizBarSeries"), "THORIZBARSERIES.bmp");
    BitmapPtr first = SeriesClassPicture("TOwnPictureSeries");
    ASSERT_NE(first, nullptr);
    // A changed file is not read again while the folder stays...
    Write("TOWNPICTURESERIES.bmp", EncodeBmp24(Plain(5, 0xFFFF0000u)));
    EXPECT_EQ(SeriesClassPicture("TOwnPictureSeries"), first);
    // ...and is once the folder is set again.
    SetSeriesPictureFolder(dir.Path());
    BitmapPtr again = SeriesClassPicture("TOwnPictureSeries");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Width, 5);
    EXPECT_EQ(SeriesClassPicture(""), nullptr);
}

}  // namespace
}  // namespace fv
