// Data sources: validation and its messages, the graphs of sources (cycles refused however they are
// made), what each change of a source does to its dependents, copying between orientations, and the
// stored names of several sources.
#include <gtest/gtest.h>

#include "chart/chart_exception.h"
#include "fake_chart.h"

namespace fv {
namespace {

// A series type that accepts no sources.
class Picky : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    bool IsValidSource(const TChartSeries&) const override { return false; }
};

std::string Message(const std::function<void()>& f) {
    try {
        f();
    } catch (const ChartException& e) {
        return e.what();
    }
    return "no exception";
}

// A form that owns a chart's series by name.
struct Form {
    Component owner;
    FakeChart chart;
    TChartSeries* Make(const std::string& name) {
        auto* s = owner.Make<TChartSeries>(name);
        s->SetParentChart(&chart);
        return s;
    }
    ~Form() { chart.destroying = true; }
};

TEST(DataSource, ValidationMessagesLeaveTheSourcesUnchanged) {
    Form f;
    TChartSeries* a = f.Make("A");
    Component notASeries(nullptr, "Table1");
    TChartSeries loose(nullptr, "Loose");
    Picky picky(nullptr, "Picky");
    picky.SetParentChart(&f.chart);
    EXPECT_EQ(Message([&] { loose.SetDataSource(a); }), "No ParentChart to validate DataSource");
    EXPECT_EQ(Message([&] { a->SetDataSource(&notASeries); }), "No valid DataSource: Table1");
    EXPECT_EQ(Message([&] { a->SetDataSource(a); }), "No valid DataSource: A");
    EXPECT_EQ(Message([&] { picky.SetDataSource(a); }), "No valid DataSource: A");
    EXPECT_TRUE(a->DataSources().empty());
    EXPECT_TRUE(loose.DataSources().empty());
    EXPECT_TRUE(picky.DataSources().empty());
}

TEST(DataSource, SettingCopiesAndTheSameSourceTwiceChangesNothing) {
    Form f;
    TChartSeries* a = f.Make("A");
    TChartSeries* b = f.Make("B");
    a->AddPoint(1, 10, "one", ClRed);
    a->AddPoint(2, 20);
    b->SetDataSource(a);
    ASSERT_EQ(b->Count(), 2);
    EXPECT_EQ(b->PointLabel(0), "one");
    EXPECT_EQ(b->PointColor(0), ClRed);
    EXPECT_EQ(a->Dependents(), std::vector<TChartSeries*>{b});
    b->AddY(99);  // the same source again must not recalculate (which would drop this point)
    b->SetDataSource(a);
    EXPECT_EQ(b->Count(), 3);
    EXPECT_EQ(b->DataSources().size(), 1u);
    // Nil removes every source and empties the series.
    b->SetDataSource(nullptr);
    EXPECT_EQ(b->Count(), 0);
    EXPECT_TRUE(a->Dependents().empty());
    // In the designer it is refilled with sample values instead.
    b->SetDataSource(a);
    f.chart.designing = true;
    b->SetDataSource(nullptr);
    EXPECT_EQ(b->Count(), b->NumSampleValues());
}

// Every way of closing a cycle is refused; the chain is searched through every source.
TEST(DataSource, CyclesAreRefusedHoweverTheyAreMade) {
    struct Case {
        const char* why;
        std::function<void(Form&, TChartSeries*, TChartSeries*, TChartSeries*)> build;  // before a -> ?
    };
    const Case cases[] = {
        {"direct: b feeds on a", [](Form&, TChartSeries* a, TChartSeries* b, TChartSeries*) { b->SetDataSource(a); }},
        {"a chain: b on a, c on b",
         [](Form&, TChartSeries* a, TChartSeries* b, TChartSeries* c) {
             b->SetDataSource(a);
             c->SetDataSource(b);
         }},
        {"a as the second source of c",
         [](Form& f, TChartSeries* a, TChartSeries*, TChartSeries* c) {
             c->SetDataSource(f.Make("First"));
             c->AddDataSource(a);
         }},
        {"behind a first source that is not a series",
         [](Form& f, TChartSeries* a, TChartSeries*, TChartSeries* c) {
             c->AddDataSource(&f.owner);
             c->AddDataSource(a);
         }},
    };
    for (const Case& k : cases) {
        Form f;
        TChartSeries* a = f.Make("A");
        TChartSeries* b = f.Make("B");
        TChartSeries* c = f.Make("C");
        k.build(f, a, b, c);
        TChartSeries* last = c->DataSources().empty() ? b : c;
        EXPECT_EQ(Message([&] { a->SetDataSource(last); }), "Circular Series dependences are not allowed") << k.why;
        EXPECT_TRUE(a->DataSources().empty()) << k.why;
        EXPECT_FALSE(a->AddDataSource(last)) << k.why;
        a->AddPoint(1, 1);  // changes still flow one way and end
        EXPECT_EQ(a->Count(), 1) << k.why;
    }
}

TEST(DataSource, NamesLoadedFromAFileCannotCloseACycle) {
    Form f;
    TChartSeries* a = f.Make("A");
    TChartSeries* b = f.Make("B");
    TChartSeries* c = f.Make("C");
    b->SetDataSource(a);
    a->AddPoint(1, 5);
    // The stored names of a say: B, C, itself, and one that no longer exists.
    a->BeginLoading();
    a->ReadDataSourceNames({"C", "B", "A", "Missing"});
    a->Loaded();
    EXPECT_EQ(a->DataSources(), std::vector<Component*>{c});
    EXPECT_FALSE(a->IsLoading());
    c->AddPoint(7, 7);  // reaches a, then b, and ends
    EXPECT_EQ(b->Count(), a->Count());
}

TEST(DataSource, DependentsFollowTheChangesTheirFlagsAsk) {
    struct Case {
        unsigned flags;
        int afterAdd, afterDelete, afterChangeY, afterClear;
    };
    // The source starts with 3 points (Y 1, 2, 3); each step's count of the dependent, or its Y[0]
    // after the value change.
    const Case cases[] = {
        {SuAll, 4, 3, 50, 0},
        {0, 3, 3, 1, 3},
        {SuAdd, 4, 4, 1, 4},
        {SuDelete | SuClear, 3, 3, 1, 0},  // the deleted 4th point was never copied: nothing to delete
        {SuValueChange, 3, 3, 50, 3},
    };
    for (const Case& c : cases) {
        Form f;
        TChartSeries* src = f.Make("Src");
        for (int i = 1; i <= 3; ++i) src->AddY(i);
        TChartSeries* dep = f.Make("Dep");
        dep->SourceUpdateFlags = c.flags;
        dep->SetDataSource(src);
        ASSERT_EQ(dep->Count(), 3);
        src->AddY(4);
        EXPECT_EQ(dep->Count(), c.afterAdd) << c.flags;
        src->DeletePoint(3);
        EXPECT_EQ(dep->Count(), c.afterDelete) << c.flags;
        src->SetYValue(0, 50);
        EXPECT_EQ(dep->GetYValue(0), c.afterChangeY) << c.flags;
        src->Clear();
        EXPECT_EQ(dep->Count(), c.afterClear) << c.flags;
    }
}

TEST(DataSource, ChangesPassAlongAChainAndAMultiplierRecalculates) {
    Form f;
    TChartSeries* a = f.Make("A");
    TChartSeries* b = f.Make("B");
    TChartSeries* c = f.Make("C");
    b->SetDataSource(a);
    c->SetDataSource(b);
    a->AddY(2);
    a->AddY(3);
    ASSERT_EQ(c->Count(), 2);
    a->YValues->SetMultiplier(10);
    EXPECT_EQ(b->GetYValue(1), 30);
    EXPECT_EQ(c->GetYValue(1), 30);
    // A deletion past a dependent's points (it has other sources) is no error.
    TChartSeries* d = f.Make("D");
    d->AddY(1);
    TChartSeries* e = f.Make("E");
    e->SetDataSource(d);
    e->AddDataSource(a);
    a->AddY(4);  // copied into e as a third point
    d->DeletePoint(0);
    EXPECT_NO_THROW(a->DeletePoint(2));
}

TEST(DataSource, CopyingBetweenOrientationsExchangesXAndY) {
    Form f;
    auto* h = f.owner.Make<HorizSeries>("H");
    h->SetParentChart(&f.chart);
    h->AddPoint(10, 0);
    h->AddPoint(20, 1);
    TChartSeries* v = f.Make("V");
    v->SetDataSource(h);
    ASSERT_EQ(v->Count(), 2);
    EXPECT_EQ(v->GetXValue(1), 1);
    EXPECT_EQ(v->GetYValue(1), 20);
}

TEST(DataSource, SeveralSourcesAreStoredByNameOneIsNot) {
    Form f;
    TChartSeries* a = f.Make("A");
    TChartSeries* b = f.Make("B");
    TChartSeries* c = f.Make("C");
    c->SetDataSource(a);
    EXPECT_TRUE(c->DataSourceNames().empty());
    c->AddDataSource(b);
    EXPECT_EQ(c->DataSourceNames(), (std::vector<std::string>{"A", "B"}));
}

TEST(DataSource, DestroyingASourceRecalculatesItsDependents) {
    Form f;
    TChartSeries* a = f.Make("A");
    TChartSeries* b = f.Make("B");
    a->AddY(1);
    b->AddY(2);
    b->AddY(3);
    TChartSeries* c = f.Make("C");
    c->SetDataSource(a);
    c->AddDataSource(b);
    f.owner.FreeComponent(a);  // frees it
    EXPECT_EQ(c->DataSources(), std::vector<Component*>{b});
    EXPECT_EQ(c->Count(), 2);  // now copied from b
    EXPECT_TRUE(b->Dependents() == std::vector<TChartSeries*>{c});
}

// A series that leaves its chart stops following its sources and forgets them: a source freed later
// leaves nothing behind that points at it.
TEST(DataSource, ASeriesThatLeavesItsChartForgetsItsSources) {
    Form f;
    TChartSeries* a = f.Make("A");
    TChartSeries* b = f.Make("B");
    a->AddY(3);
    b->SetDataSource(a);
    b->SetParentChart(nullptr);
    EXPECT_TRUE(b->DataSources().empty());
    EXPECT_TRUE(a->Dependents().empty());
    EXPECT_EQ(b->Count(), 1);  // the points stay
    f.owner.FreeComponent(a);
    b->AddY(4);
    EXPECT_EQ(b->Count(), 2);
}

}  // namespace
}  // namespace fv
