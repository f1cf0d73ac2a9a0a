// The property tables of value lists, series and the fast line. A series' data sources are stored by
// component name and found again when loading ends; its function by its registered class name.
#include "chart/chart_properties.h"
#include "chart/series_types.h"

namespace fv {
namespace {

const EnumNames<TChartListOrder> OrderNames = {{loNone, "loNone"}, {loAscending, "loAscending"}, {loDescending, "loDescending"}};
// A custom axis is an object of its own that a file cannot name, so only the standard choices are stored.
const EnumNames<THorizAxis> HorizAxisNames = {{aTopAxis, "aTopAxis"}, {aBottomAxis, "aBottomAxis"}, {aBothHorizAxis, "aBothHorizAxis"}};
const EnumNames<TVertAxis> VertAxisNames = {{aLeftAxis, "aLeftAxis"}, {aRightAxis, "aRightAxis"}, {aBothVertAxis, "aBothVertAxis"}};
const EnumNames<TFunctionPeriodStyle> PeriodStyleNames = {{psNumPoints, "psNumPoints"}, {psRange, "psRange"}};
const EnumNames<TFunctionPeriodAlign> PeriodAlignNames = {{paFirst, "paFirst"}, {paCenter, "paCenter"}, {paLast, "paLast"}};

// "Function": an object whose first record is the function's class name, then the function's own
// properties by its registered table.
void WriteFunction(PropertyWriter& w, const TChartSeries& series, const TChartSeries* ref) {
    TChartFunction* function = series.SeriesFunction();
    const ChartClass* cls = function ? ChartClassOf(*function) : nullptr;
    if (!cls) return;
    std::unique_ptr<Component> fresh(cls->Create(nullptr));
    w.BeginObject("Function");
    w.String("Class", cls->Name);
    cls->Properties.Write(w, *function, ref ? fresh.get() : nullptr);
    w.EndObject();
}

void ReadFunction(PropertyRecord& r, TChartSeries& series, const PropertyReadContext& ctx) {
    ByteReader& in = r.AsObject();
    PropertyRecord cls(PropertyType::End, {}, ByteReader({}));
    if (!NextProperty(in, &cls) || cls.Name() != "Class") throw PropertyError("Invalid property value of Function");
    const ChartClass* functionClass = FindChartClass(cls.AsString());
    if (!functionClass) throw PropertyError("Class " + cls.AsString() + " not found");
    std::unique_ptr<Component> made(functionClass->Create(nullptr));
    if (!dynamic_cast<TChartFunction*>(made.get())) throw PropertyError("Class " + functionClass->Name + " is not a function");
    functionClass->Properties.Read(in, *made, ctx);
    std::unique_ptr<TChartFunction> function(static_cast<TChartFunction*>(made.release()));
    series.SetFunction(std::move(function));
}

}  // namespace

const PropertyTable<TChartFunction>& FunctionProperties() {
    static const PropertyTable<TChartFunction> table = [] {
        using F = TChartFunction;
        PropertyTable<F> t;
        t.Double("Period", &F::Period, &F::SetPeriod);
        t.Enum("PeriodStyle", &F::PeriodStyle, &F::SetPeriodStyle, PeriodStyleNames);
        t.Enum("PeriodAlign", &F::PeriodAlign, &F::SetPeriodAlign, PeriodAlignNames);
        return t;
    }();
    return table;
}

const PropertyTable<TChartValueList>& ValueListProperties() {
    static const PropertyTable<TChartValueList> table = [] {
        using L = TChartValueList;
        PropertyTable<L> t;
        t.Bool("DateTime", &L::DateTime, &L::SetDateTime);
        t.Double("Multiplier", &L::Multiplier, &L::SetMultiplier);
        t.Enum("Order", &L::Order, &L::SetOrder, OrderNames);
        t.String("ValueSource", &L::ValueSource, &L::SetValueSource);
        return t;
    }();
    return table;
}

const PropertyTable<TChartSeries>& SeriesProperties() {
    static const PropertyTable<TChartSeries> table = [] {
        using S = TChartSeries;
        PropertyTable<S> t;
        t.Bool("Active", &S::Active, &S::SetActive);
        t.Bool("ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint);
        t.String("ColorSource", &S::ColorSource, &S::SetColorSource);
        t.Int("Cursor", &S::Cursor, &S::SetCursor, -32768, 32767);
        // One source goes by name; several as the list "DataSources". Both are looked up when loading ends.
        t.Add({"DataSource",
               [](PropertyWriter& w, const S& s, const S*) {
                   if (s.DataSources().size() == 1) w.String("DataSource", s.DataSource()->Name());
               },
               [](PropertyRecord& r, S& s, const PropertyReadContext&) { s.ReadDataSourceNames({r.AsString()}); }});
        t.Add({"DataSources",
               [](PropertyWriter& w, const S& s, const S*) {
                   if (s.DataSources().size() > 1) w.Strings("DataSources", s.DataSourceNames());
               },
               [](PropertyRecord& r, S& s, const PropertyReadContext&) { s.ReadDataSourceNames(r.AsStrings()); }});
        t.Enum("HorizAxis", &S::HorizAxis, &S::SetHorizAxis, HorizAxisNames);
        t.Colour("SeriesColor", &S::SeriesColor, &S::SetSeriesColor);
        t.Bool("ShowInLegend", &S::ShowInLegend, &S::SetShowInLegend);
        t.String("Title", &S::Title, &S::SetTitle);
        t.String("ValueFormat", &S::ValueFormat, &S::SetValueFormat);
        t.String("PercentFormat", &S::PercentFormat, &S::SetPercentFormat);
        t.Enum("VertAxis", &S::VertAxis, &S::SetVertAxis, VertAxisNames);
        t.String("XLabelsSource", &S::XLabelsSource, &S::SetXLabelsSource);
        t.Object("Marks", [](S& s) -> TSeriesMarks& { return s.Marks(); }, MarksProperties());
        t.Object("XValues", [](S& s) -> TChartValueList& { return *s.XValues; }, ValueListProperties());
        t.Object("YValues", [](S& s) -> TChartValueList& { return *s.YValues; }, ValueListProperties());
        t.Add({"Function", WriteFunction, ReadFunction});
        return t;
    }();
    return table;
}

const PropertyTable<TFastLineSeries>& FastLineProperties() {
    static const PropertyTable<TFastLineSeries> table = [] {
        PropertyTable<TFastLineSeries> t;
        t.Inherit(SeriesProperties());
        SeriesColouredObject(t, "LinePen", [](TFastLineSeries& s) -> TChartPen& { return s.LinePen; }, PenProperties());
        return t;
    }();
    return table;
}

}  // namespace fv
