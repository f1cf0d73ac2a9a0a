// Series and their editors drawn off screen: every series type and function registered, a form of the
// program owning a chart and its series, the editors shown as windows of their own, and pictures of them
// saved into the build folder to be looked at.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/extended/extended_types.h"
#include "chart/functions/function_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "view_program_fixture.h"

namespace fv {

class SeriesOwnerFixture : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        RegisterExtendedSeriesTypes();
        RegisterStandardFunctions();
        owner = app.CreateForm<ProgramForm>(*program, "SeriesOwner");
        chart = owner->Make<TChart>("Chart1");
        chart->SetBounds(0, 0, 400, 300);
        chart->SetParent(owner);
    }
    void TearDown() override {
        for (Form* f : shown) f->Hide();
        // The series go before their chart, as the owner lets them go.
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        owner->FreeComponent(chart);
        ViewProgramFixture::TearDown();
    }

    // A series of the registered class on the chart, owned by the form.
    template <class S> S* Add(const char* className) {
        auto* s = dynamic_cast<S*>(CreateSeriesOfClass(owner, *chart, *FindChartClass(className)));
        EXPECT_NE(s, nullptr) << className;
        return s;
    }
    // A form shown as a window of its own; hidden again when the test ends.
    template <class F> F& Show(F& form) {
        shown.push_back(&form);
        form.Show();
        view->Refresh();
        return form;
    }
    // The series' editor, shown.
    template <class E, class S> E& Open(S& series) { return Show(*app.CreateForm<E>(*program, series)); }
    // Saves the form's picture, checks its captions fit, and gives it back to be looked into.
    QImage Picture(Form& form, const std::string& name) {
        view->Refresh();
        SavePicture(form, name);
        ExpectCaptionsFit(form);
        return QImage(QString::fromStdString(PicturePath(name)));
    }

    // The colour at the middle of a control in its form's picture.
    QColor MiddleOf(const QImage& image, Form& form, Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return {};
        return image.pixelColor(w->mapTo(view->WindowOf(form), QPoint(c.Width() / 2, c.Height() / 2)));
    }
    // How many dark pixels a control draws (its text).
    int DarkPixels(Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return 0;
        const QImage shot = w->grab().toImage();
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y).lightness() < 80) ++n;
        return n;
    }
    // Whether Qt shows the control.
    bool Drawn(const Control& c) {
        QWidget* w = view->WidgetOf(c);
        return w && w->isVisible();
    }

    ProgramForm* owner = nullptr;
    TChart* chart = nullptr;
    std::vector<Form*> shown;
};

}  // namespace fv
