// The series editing dialogs under test: every series type and function registered in the program's
// order, and a chart on the chart window (a program form) that owns its series as the window does.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/extended/extended_types.h"
#include "chart/functions/function_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "dialog_fixture.h"

namespace fv::testing {

class SeriesEditingFixture : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        RegisterExtendedSeriesTypes();
        RegisterStandardFunctions();
        // The window's own chart lets its design-time series go, so that the names the tests expect
        // ("Series1", ...) are free on the window that owns the series.
        while (Window().ChartVue->SeriesCount() > 0) FreeSeries(Window().ChartVue->GetSeries(0));
        Window().Make<TChart>("Chart1");
        chart = Window().Find<TChart>("Chart1");
        chart->SetBounds(0, 0, 400, 300);
        chart->SetParent(Window().ChartVue);
    }
    void TearDown() override {
        // The series go before their chart, as the chart window lets them go.
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        Window().FreeComponent(chart);
        DialogFixture::TearDown();
    }
    TRozizAForm& Window() { return *program->RozizAForm; }

    // A series of the registered class, owned by the window, with `points` points 1, 2, 3...
    TChartSeries* AddSeries(const std::string& className, int points = 0, const std::string& title = {}) {
        const ChartClass* cls = FindChartClass(className);
        EXPECT_NE(cls, nullptr) << className;
        TChartSeries* s = CreateSeriesOfClass(&Window(), *chart, *cls);
        for (int i = 0; i < points; ++i) s->AddPoint(i, i + 1);
        s->SetTitle(title);
        return s;
    }
    // The same, as the series class the test works on; `points` as above.
    template <class S> S* Add(const std::string& className, int points = 0) {
        auto* s = dynamic_cast<S*>(AddSeries(className, points));
        EXPECT_NE(s, nullptr) << className;
        return s;
    }
    static std::string ClassName(const Component& c) {
        const ChartClass* cls = ChartClassOf(c);
        return cls ? cls->Name : "?";
    }
    std::vector<std::string> SeriesNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < chart->SeriesCount(); ++i) names.push_back(chart->GetSeries(i)->Name());
        return names;
    }

    // One user action on an editor and what the series then holds, checked in the table's order.
    struct Case {
        const char* action;
        std::function<void()> act;     // what the user does
        std::function<bool()> holds;  // what the series then holds
    };
    static void Run(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            c.act();
            EXPECT_TRUE(c.holds()) << c.action;
        }
    }

    TChart* chart = nullptr;
};

}  // namespace fv::testing
