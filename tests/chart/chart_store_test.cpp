// The chart file store: round trips over a table of settings, a byte-exact golden file, every cut of a
// good file refused with the chart left as it was, unknown properties and series classes skipped, and
// the faults a plain reading of the format would have (multipliers applied twice, horizontal series
// swapped, flags that look at only the first points, labels cut inside a character, a half-read chart,
// a function stored before its source).
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "chart/chart_store.h"
#include "platform/fs/files.h"
#include "store_chart.h"

namespace fv {
namespace {

struct StoreTest : ::testing::Test {
    void SetUp() override { RegisterStoreTestClasses(); }

    template <class S = TFastLineSeries> S* AddSeries(StoreChart& chart, const std::string& name) {
        auto* s = new S(&chart, name);
        s->SetParentChart(&chart);
        return s;
    }
};

// A chart's file, loaded into another chart and saved again.
std::string Resave(const std::string& bytes) {
    StoreChart other;
    LoadChartStream(&other, bytes);
    return SaveChartStream(other);
}

TEST_F(StoreTest, RoundTripsGiveTheSameBytes) {
    struct Case {
        const char* what;
        std::function<void(StoreTest&, StoreChart&)> set;
    } cases[] = {
        {"an empty chart", [](StoreTest&, StoreChart&) {}},
        {"panel settings",
         [](StoreTest&, StoreChart& c) {
             c.SetView3D(true);
             c.SetChart3DPercent(40);
             c.SetMarginLeft(10);
             c.Gradient().SetVisible(true);
             c.Gradient().SetDirection(TGradientDirection::gdFromCenter);
             c.AllowPanning = TPanningMode::pmNone;
             c.AnimatedZoomSteps = 20;
             c.View3DOptions().SetRotation(20);
             c.SetColor(ClYellow);
         }},
        {"axis settings",
         [](StoreTest&, StoreChart& c) {
             c.LeftAxis()->SetRange(-5, 50);
             c.LeftAxis()->Title.SetCaption("Höhe");
             c.LeftAxis()->SetLabelsFont(Font{"Serif", 12, ClRed, FsBold | FsItalic, 0});
             c.LeftAxis()->Grid.SetStyle(PenStyle::Dash);
             c.BottomAxis()->SetLabelStyle(TAxisLabelStyle::talValue);
             c.BottomAxis()->SetEndPosition(80);
             c.DepthAxis().SetVisible(true);
             c.SetMaxPointsPerPage(10);
         }},
        {"series settings and points",
         [](StoreTest& t, StoreChart& c) {
             auto* s = t.AddSeries(c, "Temperatures");
             s->SetTitle("Temperatures");
             s->SetValueFormat("0.0");
             s->XValues->SetDateTime(true);
             s->YValues->SetMultiplier(2);
             s->LinePen.SetWidth(3);
             auto* own = t.AddSeries(c, "OwnPen");
             own->SetSeriesColor(ClRed);
             // The pen's own colour after the series', and that the colour of a fresh pen: kept too.
             own->LinePen.SetColor(TFastLineSeries().LinePen.GetColor());
             s->AddPoint(40000, 1.5, "Monday");
             s->AddPoint(40001, -2, "", ClRed);
             s->AddPoint(40003, 7);
             auto* hidden = t.AddSeries(c, "Hidden");
             hidden->SetActive(false);
             hidden->AddY(1);
             hidden->AddY(2);
         }},
        {"a horizontal series and an extra list",
         [](StoreTest& t, StoreChart& c) {
             auto* h = t.AddSeries<HorizLineSeries>(c, "Across");
             h->AddPoint(5, 0);
             h->AddPoint(6, 3);
             auto* z = t.AddSeries<ZLineSeries>(c, "Deep");
             z->ZValues->PendingValue = 9;
             z->AddExtraValues(z->AddY(4));
         }},
        {"sources and a function",
         [](StoreTest& t, StoreChart& c) {
             auto* a = t.AddSeries(c, "A");
             auto* b = t.AddSeries(c, "B");
             a->AddY(1);
             b->AddY(2);
             auto* sum = t.AddSeries(c, "Sum");
             sum->SetFunction(std::make_unique<SumFunction>());
             sum->AddDataSource(a);
             sum->AddDataSource(b);
             sum->RefreshFromSource();
             auto* copy = t.AddSeries(c, "Copy");
             copy->SetDataSource(a);
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        StoreChart chart;
        k.set(*this, chart);
        std::string bytes = SaveChartStream(chart);
        EXPECT_EQ(Resave(bytes), bytes);
    }
}

TEST_F(StoreTest, LoadedChartHoldsWhatWasSaved) {
    StoreChart chart;
    chart.SetView3D(true);
    chart.LeftAxis()->SetRange(-5, 50);
    auto* s = AddSeries(chart, "Line");
    s->SetSeriesColor(ClGreen);
    s->YValues->SetMultiplier(2);
    s->AddPoint(10, 3, "ten");
    s->AddPoint(20, 4, "", ClRed);
    StoreChart loaded;
    loaded.SetMarginTop(30);  // a setting the file does not hold goes back to its default
    LoadChartStream(&loaded, SaveChartStream(chart));
    EXPECT_TRUE(loaded.View3D());
    EXPECT_EQ(loaded.MarginTop(), 4);
    EXPECT_FALSE(loaded.LeftAxis()->Automatic());
    EXPECT_EQ(loaded.LeftAxis()->Minimum(), -5);
    EXPECT_EQ(loaded.LeftAxis()->Maximum(), 50);
    ASSERT_EQ(loaded.SeriesCount(), 1);
    TChartSeries* l = loaded.GetSeries(0);
    EXPECT_EQ(l->Name(), "Line");
    EXPECT_EQ(l->Owner(), &loaded);
    EXPECT_EQ(l->SeriesColor(), ClGreen);
    // The multiplier applies to what is read, once.
    EXPECT_EQ(l->YValues->GetValue(0), 6);
    EXPECT_EQ(l->XValues->GetValue(1), 20);
    EXPECT_EQ(l->PointLabel(0), "ten");
    EXPECT_EQ(l->PointColor(0), AutomaticColour);
    EXPECT_EQ(l->PointColor(1), ClRed);
}

TEST_F(StoreTest, HorizontalSeriesKeepTheirValuesInTheirLists) {
    StoreChart chart;
    auto* h = AddSeries<HorizLineSeries>(chart, "Across");
    h->AddPoint(5, 0);   // value 5 across, position 0
    h->AddPoint(8, 10);  // position 10: positions are not 0, 1, 2 so they are stored
    StoreChart loaded;
    LoadChartStream(&loaded, SaveChartStream(chart));
    TChartSeries* l = loaded.GetSeries(0);
    EXPECT_EQ(l->XValues->GetValue(1), 8);
    EXPECT_EQ(l->YValues->GetValue(1), 10);
}

TEST_F(StoreTest, FlagsLookAtEveryPoint) {
    StoreChart chart;
    auto* s = AddSeries(chart, "Long");
    for (int i = 0; i < 20000; ++i) s->AddY(i);
    s->SetPointColor(15000, RGB(1, 2, 3));
    s->SetPointLabel(19999, "last");
    s->SetXValue(12000, 12000.5);
    EXPECT_EQ(SeriesDataFlags(*s), SeriesHasXValues | SeriesHasColors | SeriesHasLabels);
    StoreChart loaded;
    LoadChartStream(&loaded, SaveChartStream(chart));
    TChartSeries* l = loaded.GetSeries(0);
    EXPECT_EQ(l->PointColor(15000), RGB(1, 2, 3));
    EXPECT_EQ(l->PointLabel(19999), "last");
    EXPECT_EQ(l->XValues->GetValue(12000), 12000.5);
    // Plain positions and no colours or labels: nothing but the values is stored.
    auto* plain = AddSeries(chart, "Plain");
    plain->AddY(1);
    plain->AddY(2, "", plain->SeriesColor());
    EXPECT_EQ(SeriesDataFlags(*plain), 0);
}

TEST_F(StoreTest, LabelsKeepAtMost255BytesEndingOnACharacter) {
    StoreChart chart;
    auto* s = AddSeries(chart, "Labels");
    std::string label(254, 'a');
    label += "é and more";  // the two bytes of é straddle byte 255
    s->AddY(1, label);
    s->AddY(2, std::string(256, 'b'));
    StoreChart loaded;
    LoadChartStream(&loaded, SaveChartStream(chart));
    EXPECT_EQ(loaded.GetSeries(0)->PointLabel(0), std::string(254, 'a'));
    EXPECT_EQ(loaded.GetSeries(0)->PointLabel(1), std::string(255, 'b'));
}

TEST_F(StoreTest, AFunctionStoredBeforeItsSourcesLoadsFull) {
    StoreChart chart;
    auto* sum = AddSeries(chart, "Sum");
    auto* a = AddSeries(chart, "A");
    auto* b = AddSeries(chart, "B");
    a->AddY(1);
    a->AddY(2);
    b->AddY(10);
    sum->SetFunction(std::make_unique<SumFunction>());
    sum->AddDataSource(a);
    sum->AddDataSource(b);
    sum->RefreshFromSource();
    ASSERT_EQ(sum->Count(), 2);
    StoreChart loaded;
    LoadChartStream(&loaded, SaveChartStream(chart));
    TChartSeries* l = loaded.GetSeries(0);
    ASSERT_NE(l->SeriesFunction(), nullptr);
    ASSERT_EQ(l->DataSources().size(), 2u);
    EXPECT_EQ(l->DataSources()[1], loaded.GetSeries(2));
    ASSERT_EQ(l->Count(), 2);
    EXPECT_EQ(l->YValues->GetValue(0), 11);
    EXPECT_EQ(l->YValues->GetValue(1), 2);
    // It follows its sources from now on.
    loaded.GetSeries(1)->SetYValue(0, 5);
    EXPECT_EQ(l->YValues->GetValue(0), 15);
}

TEST_F(StoreTest, SeriesMoveToTheChartsOwner) {
    Component form;
    auto* chart = new StoreChart(&form, "Chart1");
    StoreChart source;
    AddSeries(source, "Series1")->AddY(1);
    LoadChartStream(chart, SaveChartStream(source));
    ASSERT_EQ(chart->SeriesCount(), 1);
    EXPECT_EQ(chart->GetSeries(0)->Owner(), &form);
    EXPECT_EQ(form.FindComponent("Series1"), chart->GetSeries(0));
    EXPECT_EQ(chart->Name(), "Chart1");
}

TEST_F(StoreTest, ForeignFilesAreRefusedBeforeTheChartIsTouched) {
    StoreChart chart;
    AddSeries(chart, "Mine")->AddY(1);
    std::string before = SaveChartStream(chart);
    struct Case {
        std::string bytes;
        const char* message;
        const char* why;
    } cases[] = {
        {"", "Wrong *.CHF file format", "no header"},
        {"PK\x03\x04rest", "Wrong *.CHF file format", "another program's file"},
        {std::string("\x60\x30\x99\x00TPF0", 8), "Wrong *.CHF file format", "another program's component stream"},
        {std::string("\x60\x30\x99\x00\x02\x00", 6), "Wrong *.CHF file format", "a later layout of ours"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.why);
        try {
            LoadChartStream(&chart, k.bytes);
            ADD_FAILURE() << "loaded";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), k.message);
        }
        EXPECT_EQ(SaveChartStream(chart), before);
    }
    try {
        LoadChartStream(nullptr, before);
        ADD_FAILURE() << "loaded into no chart";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Invalid Chart in *.CHF file");
    }
}

TEST_F(StoreTest, AnyVersionWordLoads) {
    StoreChart chart;
    AddSeries(chart, "One")->AddY(4);
    std::string bytes = SaveChartStream(chart);
    bytes[2] = 0x9A;
    StoreChart loaded;
    LoadChartStream(&loaded, bytes);
    EXPECT_EQ(loaded.GetSeries(0)->YValues->GetValue(0), 4);
}

TEST_F(StoreTest, EveryCutOfAGoodFileFailsAndLeavesTheChartAsItWas) {
    StoreChart chart;
    chart.SetView3D(true);
    chart.LeftAxis()->Title.SetCaption("Values");
    auto* s = AddSeries<ZLineSeries>(chart, "Z");
    s->AddExtraValues(s->AddPoint(1, 2, "one", ClRed));
    auto* f = AddSeries(chart, "F");
    f->SetFunction(std::make_unique<SumFunction>());
    f->SetDataSource(s);
    std::string good = SaveChartStream(chart);

    StoreChart target;
    target.SetChart3DPercent(50);
    AddSeries(target, "Kept")->AddY(7);
    std::string before = SaveChartStream(target);
    for (std::size_t n = 0; n < good.size(); ++n) {
        EXPECT_ANY_THROW(LoadChartStream(&target, std::string_view(good).substr(0, n))) << "cut at " << n;
        ASSERT_EQ(SaveChartStream(target), before) << "cut at " << n;
    }
    EXPECT_EQ(target.GetSeries(0)->Owner(), &target);
}

// A file written by hand: the chart with properties `chartProps`, then each child and its data record.
struct HandFile {
    ByteWriter out;
    HandFile(const std::function<void(PropertyWriter&)>& chartProps) {
        out.U16(ChartFileMagic);
        out.U16(ChartFileVersion);
        out.U16(ChartStreamFormat);
        out.String("TStoreChart");
        out.String("Chart1");
        PropertyWriter w(out);
        chartProps(w);
        w.End();
    }
    void Children(const std::vector<std::pair<std::string, std::string>>& classAndName, const std::vector<double>& values) {
        out.U32(std::uint32_t(classAndName.size()));
        for (const auto& [cls, name] : classAndName) {
            std::size_t at = out.BeginLength();
            out.String(cls);
            out.String(name);
            PropertyWriter w(out);
            w.String("Title", "title of " + name);
            w.End();
            out.U32(0);
            out.EndLength(at);
        }
        for (std::size_t i = 0; i < classAndName.size(); ++i) {
            std::size_t at = out.BeginLength();
            out.U8(0);
            out.I32(std::int32_t(values.size()));
            for (double v : values) out.F64(v + double(i));
            out.EndLength(at);
        }
    }
};

TEST_F(StoreTest, UnknownPropertiesAndSeriesClassesAreSkipped) {
    HandFile file([](PropertyWriter& w) {
        w.Int("NoSuchProperty", 5);
        w.Int("View3D", 1);           // the wrong type
        w.Int("Chart3DPercent", 500); // out of range
        w.BeginObject("LeftAxis");
        w.Double("Increment", -1);    // refused by the axis
        w.Bool("Inverted", true);
        w.EndObject();
        w.Bool("AxisVisible", false);
        w.Int("AnimatedZoomSteps", 1000000);  // each step draws the chart once: capped
    });
    file.Children({{"TNoSuchSeries", "Odd"}, {"TFastLineSeries", "Known"}}, {1, 2, 3});
    std::vector<std::string> messages;
    StoreChart chart;
    LoadChartStream(&chart, file.out.Bytes(), [&](const std::string& m) {
        messages.push_back(m);
        return true;
    });
    std::vector<std::string> expected = {"Property NoSuchProperty does not exist", "Invalid property type of View3D",
                                         "Invalid property value of Chart3DPercent", "Axis increment must be >= 0",
                                         "Invalid property value of AnimatedZoomSteps", "Class TNoSuchSeries not found"};
    EXPECT_EQ(messages, expected);
    EXPECT_TRUE(chart.LeftAxis()->Inverted());
    EXPECT_FALSE(chart.AxisVisible());
    EXPECT_FALSE(chart.View3D());
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    EXPECT_EQ(chart.AnimatedZoomSteps, 8);
    ASSERT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(chart.GetSeries(0)->Title(), "title of Known");
    EXPECT_EQ(chart.GetSeries(0)->YValues->GetValue(2), 4);  // the second data record, not the first

    // Without a handler the same happens; a handler that says no stops the load and keeps the chart.
    StoreChart quiet;
    LoadChartStream(&quiet, file.out.Bytes());
    EXPECT_EQ(quiet.SeriesCount(), 1);
    StoreChart strict;
    std::string before = SaveChartStream(strict);
    EXPECT_THROW(LoadChartStream(&strict, file.out.Bytes(), [](const std::string&) { return false; }), PropertyError);
    EXPECT_EQ(SaveChartStream(strict), before);
}

TEST_F(StoreTest, DamagedDataRecordsAreRefused) {
    struct Case {
        std::function<void(ByteWriter&)> record;
        const char* why;
    } cases[] = {
        {[](ByteWriter& o) { o.U8(0); o.I32(-1); }, "a negative count"},
        {[](ByteWriter& o) { o.U8(0); o.I32(1000000); o.F64(1); }, "a count past the record"},
        {[](ByteWriter& o) { o.U8(0); o.I32(1); o.F64(std::numeric_limits<double>::quiet_NaN()); }, "a value that is no number"},
        {[](ByteWriter& o) { o.U8(4); o.I32(1); o.F64(1); o.U8(2); o.Raw("\xC3("); }, "a label that is not UTF-8"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.why);
        ByteWriter record;
        k.record(record);
        ByteReader in(record.Bytes());
        TFastLineSeries s;
        EXPECT_THROW(ReadSeriesData(in, s), StreamReadError);
    }
}

TEST_F(StoreTest, ExtraValuesOfARefusedPointAreNotAdded) {
    ZLineSeries s;
    s.OnBeforeAdd = [](TChartSeries* series) { return series->YValues->PendingValue > 0; };
    ByteWriter record;
    record.U8(0);
    record.I32(3);
    for (double y : {1.0, -1.0, 2.0}) {
        record.F64(y);
        record.F64(y * 10);
    }
    ByteReader in(record.Bytes());
    ReadSeriesData(in, s);
    ASSERT_EQ(s.Count(), 2);
    ASSERT_EQ(s.ZValues->Count(), 2);
    EXPECT_EQ(s.ZValues->GetValue(1), 20);
}

TEST_F(StoreTest, SavingWritesTheWholeFileOrNothing) {
    std::string dir = ::testing::TempDir() + "/chart_store_save";
    MakeDirectory(dir);
    std::string file = JoinPath(dir, "chart.cht");
    StoreChart chart;
    AddSeries(chart, "One")->AddY(3);
    SaveChartFile(chart, file);
    StoreChart loaded;
    LoadChartFile(&loaded, file);
    EXPECT_EQ(loaded.GetSeries(0)->YValues->GetValue(0), 3);

    // A series of a class the store cannot name fails the save before the old file is touched.
    struct Unnamed : TFastLineSeries {
        using TFastLineSeries::TFastLineSeries;
    };
    auto* odd = new Unnamed(&chart, "Odd");
    odd->SetParentChart(&chart);
    std::string old = *ReadWholeFile(file);
    EXPECT_THROW(SaveChartFile(chart, file), ChartException);
    EXPECT_EQ(*ReadWholeFile(file), old);
    EXPECT_THROW(LoadChartFile(&loaded, JoinPath(dir, "missing.cht")), ChartException);
}

TEST_F(StoreTest, TheChartKeepsItsTitlesWallsMarksAndLegend) {
    TChart chart(nullptr);
    chart.Title().SetText({"Sales", "2026"});
    chart.Foot().SetVisible(false);
    chart.BackWall().SetColor(ClSilver);
    chart.LeftWall().SetSize(8);
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(TLegendAlignment::laBottom);
    legend.SetLegendStyle(TLegendStyle::lsLastValues);
    legend.SetTextStyle(ltsRightPercent);
    legend.SetColor(ClYellow);
    legend.SetColorWidth(30);
    legend.SetTopPos(40);
    legend.SetFirstValue(2);
    legend.SetMaxNumRows(4);
    legend.SetInverted(true);
    legend.SetResizeChart(false);
    legend.SetShadowSize(0);
    legend.SetShadowColor(ClGray);
    legend.SetHorizMargin(7);
    legend.SetVertMargin(9);
    legend.SetVisible(false);
    legend.Frame().SetColor(ClBlue);
    legend.DividingLines().SetVisible(true);
    legend.Brush().SetStyle(BrushStyle::Cross);
    legend.SetFont(Font{"Serif", 11, ClNavy, FsItalic, 0});
    auto* s = new TFastLineSeries(&chart, "Series1");
    s->SetParentChart(&chart);
    s->Marks().SetVisible(true);
    s->Marks().SetStyle(TSeriesMarksStyle::smsLabelValue);
    s->Marks().Arrow().SetColor(ClGreen);
    s->AddY(2, "two");
    std::string bytes = SaveChartStream(chart);
    TChart loaded(nullptr);
    LoadChartStream(&loaded, bytes);
    EXPECT_EQ(loaded.Title().Text(), (std::vector<std::string>{"Sales", "2026"}));
    EXPECT_FALSE(loaded.Foot().Visible());
    EXPECT_EQ(loaded.BackWall().GetColor(), ClSilver);
    EXPECT_EQ(loaded.LeftWall().Size(), 8);
    ASSERT_EQ(loaded.SeriesCount(), 1);
    TSeriesMarks& marks = loaded.GetSeries(0)->Marks();
    EXPECT_TRUE(marks.Visible());
    EXPECT_EQ(marks.Style(), TSeriesMarksStyle::smsLabelValue);
    EXPECT_EQ(marks.Arrow().GetColor(), ClGreen);
    const TChartLegend& back = loaded.Legend();
    EXPECT_EQ(back.Alignment(), TLegendAlignment::laBottom);
    EXPECT_EQ(back.LegendStyle(), TLegendStyle::lsLastValues);
    EXPECT_EQ(back.TextStyle(), ltsRightPercent);
    EXPECT_EQ(back.GetColor(), ClYellow);
    EXPECT_EQ(back.ColorWidth(), 30);
    EXPECT_EQ(back.TopPos(), 40);
    EXPECT_EQ(back.FirstValue(), 2);
    EXPECT_EQ(back.MaxNumRows(), 4);
    EXPECT_TRUE(back.Inverted());
    EXPECT_FALSE(back.ResizeChart());
    EXPECT_EQ(back.ShadowSize(), 0);
    EXPECT_EQ(back.ShadowColor(), ClGray);
    EXPECT_EQ(back.HorizMargin(), 7);
    EXPECT_EQ(back.VertMargin(), 9);
    EXPECT_FALSE(back.Visible());
    EXPECT_EQ(loaded.Legend().Frame().GetColor(), ClBlue);
    EXPECT_TRUE(loaded.Legend().DividingLines().Visible());
    EXPECT_EQ(loaded.Legend().Brush().Style(), BrushStyle::Cross);
    EXPECT_EQ(back.GetFont(), (Font{"Serif", 11, ClNavy, FsItalic, 0}));
    EXPECT_EQ(SaveChartStream(loaded), bytes);
    // A file saved from a database chart loads into the chart window's chart.
    TODBCChart database(nullptr);
    LoadChartStream(&database, bytes);
    TChart window(nullptr);
    LoadChartStream(&window, SaveChartStream(database));
    EXPECT_EQ(window.Title().Text(), (std::vector<std::string>{"Sales", "2026"}));
    EXPECT_EQ(window.Legend().Alignment(), TLegendAlignment::laBottom);
}

// A legend setting out of its range is refused alone: the load goes on with the others.
TEST_F(StoreTest, AnOutOfRangeLegendSettingIsSkipped) {
    TChart chart(nullptr);
    chart.Legend().SetTopPos(55);
    chart.Legend().SetColorWidth(20);
    std::string bytes = SaveChartStream(chart);
    // TopPos's payload is the i32 after its name and length: make it 150.
    const std::string name = "TopPos";
    std::size_t at = bytes.find(name);
    ASSERT_NE(at, std::string::npos);
    at += name.size() + 4;
    bytes[at] = char(150);
    std::vector<std::string> messages;
    TChart loaded(nullptr);
    LoadChartStream(&loaded, bytes, [&](const std::string& m) {
        messages.push_back(m);
        return true;
    });
    EXPECT_EQ(messages, std::vector<std::string>{"Invalid property value of TopPos"});
    EXPECT_EQ(loaded.Legend().TopPos(), 10);
    EXPECT_EQ(loaded.Legend().ColorWidth(), 20);
}

// The golden file pins the layout: a change of it must be a deliberate one (with a new format number).
TEST_F(StoreTest, GoldenFile) {
    StoreChart chart;
    chart.SetView3D(true);
    chart.LeftAxis()->SetRange(0, 10);
    chart.BottomAxis()->Title.SetCaption("Day");
    auto* s = AddSeries(chart, "Series1");
    s->SetSeriesColor(ClBlue);
    s->AddY(3, "a");
    s->AddY(5, "", ClRed);
    auto* h = AddSeries<HorizLineSeries>(chart, "Series2");
    h->AddPoint(7, 2);
    std::string bytes = SaveChartStream(chart);
    std::string path = std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/chart/golden.cht";
    if (std::getenv("FOLIVEX_UPDATE_GOLDEN")) ASSERT_TRUE(WriteWholeFile(path, bytes));
    std::optional<std::string> golden = ReadWholeFile(path);
    ASSERT_TRUE(golden) << path;
    EXPECT_EQ(bytes, *golden);
    StoreChart loaded;
    LoadChartStream(&loaded, *golden);
    EXPECT_EQ(SaveChartStream(loaded), *golden);
}

}  // namespace
}  // namespace fv
