// The candle and shape editors drawn off screen as windows of their own, with pictures saved in the build
// folder to be looked at: the swatches show the series' colours and the controls draw.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "chart/chart.h"
#include "chart/extended/candle_series.h"
#include "chart/extended/extended_types.h"
#include "chart/extended/shape_series.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/candle_editor.h"
#include "chartui/chart_shape_editor.h"
#include "reference_pictures.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class SeriesEditorPictures : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        RegisterExtendedSeriesTypes();
        owner = app.CreateForm<ProgramForm>(*program, "SeriesOwner");
        chart = owner->Make<TChart>("Chart1");
        chart->SetBounds(0, 0, 400, 300);
        chart->SetParent(owner);
    }
    void TearDown() override {
        if (editor) editor->Hide();
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        owner->FreeComponent(chart);
        ViewProgramFixture::TearDown();
    }
    template <class S> S* Add(const char* className) {
        return dynamic_cast<S*>(CreateSeriesOfClass(owner, *chart, *FindChartClass(className)));
    }
    template <class E, class S> E& Open(S& series) {
        E* e = app.CreateForm<E>(*program, series);
        editor = e;
        e->Show();
        view->Refresh();
        return *e;
    }
    // The colour at the middle of a control in the editor's picture.
    QColor MiddleOf(const QImage& image, Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return {};
        return image.pixelColor(w->mapTo(view->WindowOf(*editor), QPoint(c.Width() / 2, c.Height() / 2)));
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
    QImage Picture(const std::string& name) {
        SavePicture(*editor, name);
        return QImage(QString::fromStdString(PicturePath(name)));
    }

    ProgramForm* owner = nullptr;
    TChart* chart = nullptr;
    Form* editor = nullptr;
};

TEST_F(SeriesEditorPictures, TheCandleEditor) {
    auto* candle = Add<TCandleSeries>("TCandleSeries");
    candle->SetUpCloseColor(ClLime);
    candle->SetDownCloseColor(ClRed);
    ASSERT_NE(candle, nullptr);
    TCandleEditor* e = &Open<TCandleEditor>(*candle);
    const QImage image = Picture("candle_editor.png");
    EXPECT_EQ(MiddleOf(image, *e->ShapeUp), QColor(0, 0xFF, 0));
    EXPECT_EQ(MiddleOf(image, *e->ShapeDown), QColor(0xFF, 0, 0));
    EXPECT_TRUE(view->WidgetOf(*e->RGStyle)->isVisible());
    EXPECT_GT(DarkPixels(*e->Button1), 20) << "the button's caption draws";
}

TEST_F(SeriesEditorPictures, TheShapeEditor) {
    auto* shape = Add<TChartShape>("TChartShape");
    shape->SetSeriesColor(ClYellow);
    shape->SetText({"Peak", "of the year"});
    ASSERT_NE(shape, nullptr);
    TChartShapeEditor* e = &Open<TChartShapeEditor>(*shape);
    const QImage image = Picture("shape_editor.png");
    EXPECT_EQ(MiddleOf(image, *e->SHColor), QColor(0xFF, 0xFF, 0));
    EXPECT_GT(DarkPixels(*e->MemoText), 20) << "the memo shows the text";
    EXPECT_GT(DarkPixels(*e->SEX1), 5) << "the corner edit shows its number";
}

}  // namespace
}  // namespace fv
