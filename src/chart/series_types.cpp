// The class registry, the gallery's list of series types and functions, and naming, creating, cloning
// and replacing series.
#include "chart/series_types.h"

#include <algorithm>

#include "chart/chart_properties.h"
#include "chart/fast_line.h"
#include "platform/text/utf8.h"

namespace fv {
namespace {

std::vector<std::unique_ptr<ChartClass>>& Classes() {
    static std::vector<std::unique_ptr<ChartClass>> classes;
    return classes;
}

// Gallery texts are short: they label a tab and a preview.
constexpr std::size_t MaxTypeText = 20;

}  // namespace

const ChartClass* RegisterChartClass(const std::string& name, std::type_index type,
                                     std::function<Component*(Component*)> create, PropertyTable<Component> properties,
                                     const std::string& parent) {
    if (const ChartClass* known = FindChartClass(name)) return known;
    Classes().push_back(
        std::make_unique<ChartClass>(ChartClass{name, type, std::move(create), std::move(properties), parent}));
    return Classes().back().get();
}

const ChartClass* FindChartClass(const std::string& name) {
    for (const auto& c : Classes())
        if (c->Name == name) return c.get();
    return nullptr;
}

const ChartClass* ChartClassOf(const Component& object) {
    std::type_index type = typeid(object);
    for (const auto& c : Classes())
        if (c->Type == type) return c.get();
    return nullptr;
}

void UnregisterChartClass(const std::string& name) {
    auto& classes = Classes();
    auto it = std::find_if(classes.begin(), classes.end(), [&](const auto& c) { return c->Name == name; });
    if (it == classes.end()) return;
    RemoveSeriesTypes(true, it->get());
    RemoveSeriesTypes(false, it->get());
    classes.erase(it);
}

TChartSeriesTypes& ChartSeriesTypes() {
    static TChartSeriesTypes types;
    return types;
}

void AddSeriesTypeEntry(const ChartClass* seriesClass, const ChartClass* functionClass, const std::string& description,
                        const std::string& page, int count) {
    auto& entries = ChartSeriesTypes().entries_;
    for (const auto& e : entries)
        if (e->SeriesClass == seriesClass && e->FunctionClass == functionClass) return;
    auto entry = std::make_unique<TChartSeriesType>();
    entry->SeriesClass = seriesClass;
    entry->FunctionClass = functionClass;
    entry->Description = Utf8Truncate(description, MaxTypeText);
    entry->GalleryPage = Utf8Truncate(page, MaxTypeText);
    entry->NumGallerySeries = count;
    entries.push_back(std::move(entry));
}

void RegisterSeriesType(const ChartClass* seriesClass, const std::string& description, const std::string& page, int count) {
    AddSeriesTypeEntry(seriesClass, nullptr, description, page, count);
}

void RegisterFunctionType(const ChartClass* functionClass, const std::string& description, const std::string& page,
                          int count) {
    AddSeriesTypeEntry(nullptr, functionClass, description, page, count);
}

void RegisterBasicFunctionType(const ChartClass* functionClass, const std::string& description) {
    RegisterFunctionType(functionClass, description, "Functions", 2);
}

void RemoveSeriesTypes(bool bySeries, const ChartClass* cls) {
    auto& entries = ChartSeriesTypes().entries_;
    std::erase_if(entries, [&](const auto& e) { return (bySeries ? e->SeriesClass : e->FunctionClass) == cls; });
}

void UnregisterSeriesTypes(const std::vector<const ChartClass*>& classes) {
    for (const ChartClass* c : classes) RemoveSeriesTypes(true, c);
}

void UnregisterFunctionTypes(const std::vector<const ChartClass*>& classes) {
    for (const ChartClass* c : classes) RemoveSeriesTypes(false, c);
}

void FreeSeriesTypes() { ChartSeriesTypes().entries_.clear(); }

void RegisterChartEngineTypes() {
    RegisterChartClass<TChart>("TChart", ChartProperties());
    // Charts saved from a database chart load like any other.
    RegisterChartClass<TODBCChart>("TODBCChart", ChartProperties());
    RegisterSeriesType(
        RegisterChartClass<TFastLineSeries>("TFastLineSeries", FastLineProperties(), "TChartSeries"),
        "Fast Line", "Standard", 2);
}

// ------------------------------------------------------------------------------------------ naming

std::string UniqueComponentName(const Component* owner, const std::string& base) {
    for (long n = 1;; ++n) {
        std::string name = base + std::to_string(n);
        if (!owner || !owner->FindComponent(name)) return name;
    }
}

std::string NewSeriesName(const Component* owner) { return UniqueComponentName(owner, "Series"); }

// Functions belong to their series rather than to a form, so the names to avoid are those of the series'
// owner's components and of the functions of its series.
std::string NewFunctionName(const Component* owner) {
    for (long n = 1;; ++n) {
        std::string name = "ChartFunction" + std::to_string(n);
        bool taken = false;
        if (owner)
            for (const Component* c : owner->Components()) {
                auto* s = dynamic_cast<const TChartSeries*>(c);
                if (c->Name() == name || (s && s->SeriesFunction() && s->SeriesFunction()->Name() == name)) taken = true;
            }
        if (!taken) return name;
    }
}

// ---------------------------------------------------------------------------------------- creation

TChartFunction* CreateFunctionOfClass(TChartSeries& series, const ChartClass& functionClass) {
    std::unique_ptr<Component> made(functionClass.Create(nullptr));
    auto* function = dynamic_cast<TChartFunction*>(made.get());
    if (!function) throw ChartException("Not a function class: " + functionClass.Name);
    made.release();
    function->SetName(NewFunctionName(series.Owner()));
    function->AttachToSeries(&series);
    return function;
}

TChartSeries* CreateSeriesOfClass(Component* owner, TCustomAxisPanel& chart, const ChartClass& seriesClass,
                                  const ChartClass* functionClass) {
    if (!owner) owner = &chart;
    Component* made = seriesClass.Create(owner);
    auto* series = dynamic_cast<TChartSeries*>(made);
    if (!series) {
        if (made->Owner()) made->Owner()->FreeComponent(made);
        else delete made;
        throw ChartException("Not a series class: " + seriesClass.Name);
    }
    series->SetName(NewSeriesName(owner));
    series->SetParentChart(&chart);
    if (functionClass) CreateFunctionOfClass(*series, *functionClass);
    return series;
}

TChartSeries* CloneSeries(TChartSeries& series) {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(series.ParentChart());
    const ChartClass* cls = ChartClassOf(series);
    if (!chart || !cls) throw ChartException("Cannot clone a series that is on no chart or of no registered class");
    const ChartClass* functionClass = series.SeriesFunction() ? ChartClassOf(*series.SeriesFunction()) : nullptr;
    TChartSeries* copy = CreateSeriesOfClass(series.Owner(), *chart, *cls, functionClass);
    // The function's settings first: taking the series' sources calculates the copy's points with them.
    if (copy->SeriesFunction() && series.SeriesFunction()) copy->SeriesFunction()->Assign(*series.SeriesFunction());
    copy->Assign(series);
    return copy;
}

void FreeSeries(TChartSeries* series) {
    if (!series) return;
    series->SetParentChart(nullptr);
    if (Component* owner = series->Owner()) owner->FreeComponent(series);
    else delete series;
}

void ReplaceSeries(TChartSeries*& old, TChartSeries& replacement) {
    replacement.Assign(*old);
    replacement.OnBeforeAdd = old->OnBeforeAdd;
    replacement.OnAfterAdd = old->OnAfterAdd;
    replacement.OnClearValues = old->OnClearValues;
    replacement.OnGetMarkText = old->OnGetMarkText;
    std::string name = old->Name();
    while (!old->Dependents().empty()) {
        TChartSeries* user = old->Dependents().front();
        const auto& sources = user->DataSources();
        if (std::find(sources.begin(), sources.end(), static_cast<Component*>(&replacement)) == sources.end())
            user->AddDataSource(&replacement);
        user->RemoveDataSource(old);
        old->RemoveDependent(user);
    }
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(old->ParentChart())) {
        int from = -1, to = -1;
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            if (chart->GetSeries(i) == old) from = i;
            if (chart->GetSeries(i) == &replacement) to = i;
        }
        if (from >= 0 && to >= 0) {
            chart->SwapSeries(from, to);
            chart->Repaint();
        }
    }
    FreeSeries(old);
    old = nullptr;
    replacement.SetName(name);
    SeriesHost* chart = replacement.ParentChart();
    if (replacement.DataSources().empty() && chart && chart->IsDesigning())
        replacement.FillSampleValues(replacement.NumSampleValues());
    replacement.Repaint();
}

void ChangeSeriesClass(TChartSeries*& series, const ChartClass& newClass) {
    if (ChartClassOf(*series) == &newClass) return;
    auto* chart = dynamic_cast<TCustomAxisPanel*>(series->ParentChart());
    if (!chart) throw ChartException("Cannot change the class of a series that is on no chart");
    Component* made = newClass.Create(series->Owner());
    auto* replacement = dynamic_cast<TChartSeries*>(made);
    if (!replacement) {
        if (made->Owner()) made->Owner()->FreeComponent(made);
        else delete made;
        throw ChartException("Not a series class: " + newClass.Name);
    }
    replacement->SetParentChart(chart);
    ReplaceSeries(series, *replacement);
    series = replacement;
}

}  // namespace fv
