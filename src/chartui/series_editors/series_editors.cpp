// The shared parts of the series type editors, and the one list that registers them.
#include "chartui/series_editors/series_editors.h"

#include <string>
#include <utility>
#include <vector>

#include "chart/series/series_pointer.h"
#include "chartui/series_editors/area_series_editor.h"
#include "chartui/series_editors/arrow_series_editor.h"
#include "chartui/series_editors/bar_series_editor.h"
#include "chartui/series_editors/candle_editor.h"
#include "chartui/series_editors/chart_shape_editor.h"
#include "chartui/series_editors/contour_series_editor.h"
#include "chartui/series_editors/custom_series_editor.h"
#include "chartui/series_editors/error_series_editor.h"
#include "chartui/series_editors/fast_line_editor.h"
#include "chartui/series_editors/gantt_series_editor.h"
#include "chartui/series_editors/grid_3d_page.h"
#include "chartui/dialogs/number_text.h"
#include "chartui/series_editors/pie_series_editor.h"
#include "chartui/series_editors/point3d_series_editor.h"
#include "chartui/series_editors/polar_series_editor.h"
#include "chartui/series_editors/series_pointer_editor.h"
#include "chartui/series_editors/surface_series_editor.h"
#include "chartui/series_editors/volume_series_editor.h"

namespace fv {

namespace {

// The factory of editor E on a series of class S, owned by the page; a series of another class gets none.
template <class E, class S = TChartSeries> SeriesEditorFactory EditorOf() {
    return [](TFormChartSeries& page, TChartSeries& series) -> Form* {
        auto* s = dynamic_cast<S*>(&series);
        return s ? page.Make<E>(page.P, *s) : nullptr;
    };
}

// Every editor with the class name its series gives.
const std::vector<std::pair<std::string, SeriesEditorFactory>>& SeriesEditors() {
    static const std::vector<std::pair<std::string, SeriesEditorFactory>> editors = {
        {"TSeriesPointerEditor", EditorOf<TSeriesPointerEditor>()},
        {"TCustomSeriesEditor", EditorOf<TCustomSeriesEditor>()},
        {"TAreaSeriesEditor", EditorOf<TAreaSeriesEditor>()},
        {"TBarSeriesEditor", EditorOf<TBarSeriesEditor>()},
        {"TPieSeriesEditor", EditorOf<TPieSeriesEditor>()},
        {"TFastLineSeriesEditor", EditorOf<TFastLineSeriesEditor>()},
        {"TGrid3DSeriesEditor", EditorOf<TGrid3DSeriesEditor, TCustom3DGridSeries>()},
        {"TCandleEditor", EditorOf<TCandleEditor, TCandleSeries>()},
        {"TVolumeSeriesEditor", EditorOf<TVolumeSeriesEditor, TVolumeSeries>()},
        {"TArrowSeriesEditor", EditorOf<TArrowSeriesEditor, TArrowSeries>()},
        {"TErrorSeriesEditor", EditorOf<TErrorSeriesEditor, TCustomErrorSeries>()},
        {"TChartShapeEditor", EditorOf<TChartShapeEditor, TChartShape>()},
        {"TPoint3DSeriesEditor", EditorOf<TPoint3DSeriesEditor, TPoint3DSeries>()},
        {"TPolarSeriesEditor", EditorOf<TPolarSeriesEditor, TCustomPolarSeries>()},
        {"TGanttSeriesEditor", EditorOf<TGanttSeriesEditor, TGanttSeries>()},
        {"TSurfaceSeriesEditor", EditorOf<TSurfaceSeriesEditor, TSurfaceSeries>()},
        {"TContourSeriesEditor", EditorOf<TContourSeriesEditor, TContourSeries>()},
    };
    return editors;
}

}  // namespace

void RegisterSeriesEditors() {
    for (const auto& [name, factory] : SeriesEditors()) RegisterSeriesEditor(name, factory);
}

void UnregisterSeriesEditors() {
    for (const auto& [name, factory] : SeriesEditors()) UnregisterSeriesEditor(name);
}

TSeriesEditorForm::TSeriesEditorForm(Component* owner, Program& program, std::string name, int clientWidth,
                                     int clientHeight)
    : TChartPageForm(owner, program, std::move(name), clientWidth, clientHeight) {}

UpDown* TSeriesEditorForm::AddSpin(Control* parent, const std::string& name, const std::string& caption, int left,
                                   int top, int labelWidth, int min, int max, int step, Edit*& edit, Label** label) {
    const NumberField f =
        AddNumberField(parent, "L" + name, "SE" + name, "UD" + name, caption, left, top, labelWidth, 4, 40, min, max, step);
    edit = f.edit;
    if (label) *label = f.label;
    return f.updown;
}

UpDown* TSeriesEditorForm::AddSpin(Control* parent, const std::string& editName, const std::string& upDownName,
                                   int left, int top, int editWidth, int min, int max, int step,
                                   std::function<void()> changed, Edit** edit) {
    Edit* e = Add<Edit>(parent, editName, left, top, editWidth, 21);
    UpDown* ud = Add<UpDown>(parent, upDownName, left + editWidth, top, 15, 21);
    ud->SetRange(min, max);
    ud->Increment = step;
    ud->SetAssociate(e);
    e->OnChange = [changed = std::move(changed)](Component*) { changed(); };
    if (edit) *edit = e;
    return ud;
}

Shape* TSeriesEditorForm::AddSwatch(Control* parent, const std::string& name, int left, int top,
                                    std::function<void()> click) {
    return AddSwatch(parent, name, left, top, 24, 22, std::move(click));
}

Shape* TSeriesEditorForm::AddSwatch(Control* parent, const std::string& name, int left, int top, int width,
                                    int height, std::function<void()> click) {
    Shape* swatch = Add<Shape>(parent, name, left, top, width, height);
    swatch->SetCursor(Cursor::HandPoint);  // the chart's hand
    swatch->OnMouseUp = [swatch, click = std::move(click)](Component*, MouseButton, unsigned, int, int) {
        if (swatch->Visible() && swatch->Enabled()) click();
    };
    return swatch;
}

void TSeriesEditorForm::ShowColour(Shape& swatch, Color colour) {
    swatch.SetPenColor(ClBlack);
    swatch.SetBrushColor(colour);
}

ComboBox* TSeriesEditorForm::AddList(Control* parent, const std::string& name, int left, int top, int width,
                                     std::initializer_list<std::string> items) {
    ComboBox* c = Add<ComboBox>(parent, name, left, top, width, 21);
    c->Style = ComboBox::ComboStyle::DropDownList;
    c->SetItems(std::vector<std::string>(items));
    return c;
}

TFormChartSeries* TSeriesEditorForm::Page() const { return dynamic_cast<TFormChartSeries*>(Owner()); }

void TSeriesEditorForm::Reload() {
    Updating = true;
    if (OnShow) OnShow(this);
    Updating = false;
}

void TSeriesEditorForm::ResetCursor() { P.App.SetScreenCursor(Cursor::Default); }

void TSeriesEditorForm::AddTabOnce(const std::function<void()>& add) {
    if (tabAdded_ || !Parent()) return;
    tabAdded_ = true;
    add();
}

void TSeriesEditorForm::AddPointerPageOnce(TSeriesPointer& pointer) {
    AddTabOnce([&] { AddPointerPage(*this, pointer); });
}

std::initializer_list<std::string> BrushStyleNames() {
    static const std::initializer_list<std::string> names = {"Solid",    "Clear",      "Horizontal", "Vertical",
                                                             "Diagonal", "B.Diagonal", "Cross",      "Diag.Cross"};
    return names;
}

bool NumberOfEdit(const Edit& edit, double& value) {
    if (edit.Text().empty()) return false;
    value = StrToFloat(edit.Text());
    return true;
}

void AddPointerPage(Form& editor, TSeriesPointer& pointer) {
    auto* page = dynamic_cast<TFormChartSeries*>(editor.Owner());
    if (!page || !editor.Parent()) return;
    TSeriesPointer* p = &pointer;
    page->AddEditorTab(
        [p](TFormChartSeries& owner, TChartSeries& series) -> Form* {
            return owner.Make<TSeriesPointerEditor>(owner.P, series, *p);
        },
        *pointer.Owner(), "Point");
}

}  // namespace fv
