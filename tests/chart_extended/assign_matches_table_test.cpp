// A copy made by Assign holds every setting the class's property table stores. The table and the
// hand-written Assign each list the fields; this test keeps the two lists in step for the axis, the
// legend, the series marks, the series pointer, every registered series type, the chart's titles, walls,
// gradient and 3D options, and the chart itself.
//
// For each value the table writes (pens, fonts and other owned parts walked down to their leaves), one
// case sets that value alone to a different one through the table's own reader, copies the object with
// Assign onto a fresh one, and compares what the table writes of the two, entry by entry. A last case
// does the same with every value changed at once. Where Assign sets a value of its own on purpose (a
// series type putting back its own look), the subject says so, with the reason.
//
// The other way round, Assign copies some things the table does not hold, on purpose: a series' points,
// its data sources and function (the file stores those in other records), its tag, its source update
// flags and its custom axes (objects a file cannot name), and an axis' depth role. Those are what the
// series and axis tests cover; here only the table's values are checked.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_properties.h"
#include "chart/extended/extended_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"

namespace fv {
namespace {

// One record as read, with its value, so that it can be changed and written again.
struct Node {
    PropertyType Type = PropertyType::End;
    std::string Name;
    bool B = false;
    std::int32_t I = 0;
    double D = 0;
    std::string S;
    std::uint32_t C = 0;
    std::vector<std::string> List;
    std::vector<std::int32_t> Ints;
    std::vector<Node> Kids;
};

std::vector<Node> Parse(ByteReader& in) {
    std::vector<Node> nodes;
    PropertyRecord r(PropertyType::End, {}, ByteReader({}));
    while (NextProperty(in, &r)) {
        Node n;
        n.Type = r.Type();
        n.Name = r.Name();
        switch (r.Type()) {
        case PropertyType::Bool: n.B = r.AsBool(); break;
        case PropertyType::Int: n.I = r.AsInt(); break;
        case PropertyType::Double: n.D = r.AsDouble(); break;
        case PropertyType::String: n.S = r.AsString(); break;
        case PropertyType::Enum: n.S = r.AsEnum(); break;
        case PropertyType::Set: n.List = r.AsSet(); break;
        case PropertyType::Colour: n.C = r.AsColour(); break;
        case PropertyType::Strings: n.List = r.AsStrings(); break;
        case PropertyType::Ints: n.Ints = r.AsInts(); break;
        case PropertyType::Object: n.Kids = Parse(r.AsObject()); break;
        default: ADD_FAILURE() << "a record of an unknown type: " << n.Name;
        }
        nodes.push_back(std::move(n));
    }
    return nodes;
}

void Put(PropertyWriter& w, const Node& n) {
    switch (n.Type) {
    case PropertyType::Bool: w.Bool(n.Name, n.B); break;
    case PropertyType::Int: w.Int(n.Name, n.I); break;
    case PropertyType::Double: w.Double(n.Name, n.D); break;
    case PropertyType::String: w.String(n.Name, n.S); break;
    case PropertyType::Enum: w.Enum(n.Name, n.S); break;
    case PropertyType::Set: w.Set(n.Name, n.List); break;
    case PropertyType::Colour: w.Colour(n.Name, n.C); break;
    case PropertyType::Strings: w.Strings(n.Name, n.List); break;
    case PropertyType::Ints: w.Ints(n.Name, n.Ints); break;
    case PropertyType::Object:
        w.BeginObject(n.Name);
        for (const Node& k : n.Kids) Put(w, k);
        w.EndObject();
        break;
    default: break;
    }
}

// Every enumeration identifier the chart's tables know; an enum value is changed to one of these that
// its table takes.
const std::vector<std::string> EnumIdentifiers = {
    "psSolid", "psDash", "psDot", "psDashDot", "psClear", "pmCopy", "pmXor", "pmNotXor", "bsSolid", "bsClear",
    "bsCross", "bsHorizontal", "gdTopBottom", "gdLeftRight", "gdFromCenter", "pmNone", "pmHorizontal", "pmBoth",
    "pbmStretch", "pbmTile", "talAuto", "talValue", "talText", "talNone", "smsValue", "smsPercent", "smsLabel",
    "smsLegend", "taLeftJustify", "taCenter", "taRightJustify", "laLeft", "laRight", "laTop", "laBottom", "lsAuto",
    "lsSeries", "lsValues", "ltsPlain", "ltsLeftValue", "ltsRightPercent", "loNone", "loAscending", "loDescending",
    "aTopAxis", "aBottomAxis", "aBothHorizAxis", "aLeftAxis", "aRightAxis", "aBothVertAxis", "psNumPoints",
    "psRange", "paFirst", "paCenter", "paLast", "psRectangle", "psCircle", "psTriangle", "psStar", "maNone",
    "maStacked", "maStacked100", "bsRectangle", "bsPyramid", "bsCilinder", "mbNone", "mbSide", "mbStacked",
    "mbStacked100", "poNone", "poBelowPercent", "poBelowValue", "chasRectangle", "chasCircle", "chasStar",
    "xysPixels", "xysAxis", "xysAxisOrigin", "csCandleStick", "csCandleBar", "essLeft", "essRight", "essTop",
    "essTopBottom", "ewuPercent", "ewuPixels", "cfPolynomial", "crChartHand"};

// Other values for a record, nearest first; those equal to the record's own are of no use and skipped
// by the caller's check that the object changed.
std::vector<Node> OtherValues(const Node& n) {
    std::vector<Node> out;
    auto with = [&](auto change) {
        Node m = n;
        change(m);
        out.push_back(m);
    };
    switch (n.Type) {
    case PropertyType::Bool: with([](Node& m) { m.B = !m.B; }); break;
    case PropertyType::Int:
        for (std::int32_t v : {n.I + 1, n.I - 1, n.I + 7, 1, 2, 50, 100})
            with([v](Node& m) { m.I = v; });
        break;
    case PropertyType::Double:
        for (double v : {n.D + 1.5, n.D - 1.5, 0.5, 2.25, 50.0})
            with([v](Node& m) { m.D = v; });
        break;
    case PropertyType::String:
        for (std::string v : {n.S + "0", std::string("0.00"), std::string("x")})
            with([v](Node& m) { m.S = v; });
        break;
    case PropertyType::Enum:
        for (const std::string& v : EnumIdentifiers)
            if (v != n.S) with([v](Node& m) { m.S = v; });
        break;
    case PropertyType::Set:
        for (std::vector<std::string> v : {std::vector<std::string>{"fsBold"}, {"fsItalic", "fsUnderline"}, {}})
            with([v](Node& m) { m.List = v; });
        break;
    case PropertyType::Colour:
        for (std::uint32_t v : {n.C ^ 0x00102030u, 0x00123456u, 0x000000FFu})
            with([v](Node& m) { m.C = v; });
        break;
    case PropertyType::Strings:
        with([](Node& m) { m.List.push_back("x"); });
        with([](Node& m) { m.List = {"x", "y"}; });
        break;
    case PropertyType::Ints:
        with([](Node& m) {
            for (std::int32_t& v : m.Ints) ++v;
        });
        with([](Node& m) { m.Ints = {1, 2}; });
        with([](Node& m) { m.Ints = {3}; });
        break;
    default: break;
    }
    return out;
}

// The path to one value: the records around it, outermost first, then the value.
using Path = std::vector<const Node*>;

void Leaves(const std::vector<Node>& nodes, Path& at, std::vector<Path>& out) {
    for (const Node& n : nodes) {
        at.push_back(&n);
        if (n.Type == PropertyType::Object) Leaves(n.Kids, at, out);
        else out.push_back(at);
        at.pop_back();
    }
}

std::string PathName(const Path& p) {
    std::string s;
    for (const Node* n : p) s += (s.empty() ? "" : ".") + n->Name;
    return s;
}

// The records that set the path's value alone to `value`.
void PutAlone(PropertyWriter& w, const Path& p, std::size_t depth, const Node& value) {
    if (depth + 1 == p.size()) return Put(w, value);
    w.BeginObject(p[depth]->Name);
    PutAlone(w, p, depth + 1, value);
    w.EndObject();
}

// A class under test: a fresh object (kept alive with whatever owns it), its table, and its Assign.
template <class T> struct Subject {
    std::string Name;
    std::function<std::shared_ptr<T>()> Make;
    const PropertyTable<T>* Table;
    std::function<void(T& to, T& from)> Assign;
    // Table entries that Assign sets to a value of its own on purpose, with the reason; each must
    // really differ in some case, so that the list never outlives its reason.
    std::map<std::string, std::string> SetByAssign = {};
    // Values a fresh object's setters refuse to change alone, with the reason.
    std::map<std::string, std::string> CannotSetAlone = {};
};

template <class T> std::string WriteAll(const PropertyTable<T>& table, const T& obj) {
    ByteWriter out;
    PropertyWriter w(out);
    table.Write(w, obj, nullptr);
    w.End();
    return out.Take();
}

// Reads the records into obj; false when the table refuses one (unless `skip` says to read on).
template <class T> bool ReadInto(const PropertyTable<T>& table, T& obj, const std::string& bytes, bool skip = false) {
    ByteReader in(bytes);
    PropertyReadContext ctx{[skip](const std::string&) { return skip; }};
    try {
        table.Read(in, obj, ctx);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// Each value the table writes of obj, by its path ("Pointer.Pen.Width"), as its record's bytes.
template <class T> std::map<std::string, std::string> Values(const PropertyTable<T>& table, const T& obj) {
    const std::string bytes = WriteAll(table, obj);
    ByteReader in(bytes);
    const std::vector<Node> nodes = Parse(in);
    std::vector<Path> leaves;
    Path at;
    Leaves(nodes, at, leaves);
    std::map<std::string, std::string> values;
    for (const Path& p : leaves) {
        ByteWriter out;
        PropertyWriter w(out);
        Put(w, *p.back());
        values[PathName(p)] += out.Bytes();
    }
    return values;
}

// The values whose copy differs from the original's, but for those Assign sets on purpose (noted in
// `intended`).
template <class T>
std::vector<std::string> Differences(const Subject<T>& s, T& original, std::set<std::string>& intended) {
    std::shared_ptr<T> copy = s.Make();
    s.Assign(*copy, original);
    const auto mine = Values(*s.Table, original), theirs = Values(*s.Table, *copy);
    std::vector<std::string> names;
    for (const auto& [name, bytes] : mine) {
        auto it = theirs.find(name);
        if (it != theirs.end() && it->second == bytes) continue;
        if (s.SetByAssign.count(name)) intended.insert(name);
        else names.push_back(name);
    }
    for (const auto& [name, bytes] : theirs)
        if (!mine.count(name)) names.push_back(name + " (only on the copy)");
    return names;
}

std::string Join(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& x : v) s += (s.empty() ? "" : ", ") + x;
    return s;
}

// Each value alone, then all of them; answers the failures as lines.
template <class T> std::vector<std::string> Check(const Subject<T>& s) {
    std::vector<std::string> failures;
    std::shared_ptr<T> fresh = s.Make();
    const std::string freshBytes = WriteAll(*s.Table, *fresh);
    ByteReader in(freshBytes);
    const std::vector<Node> nodes = Parse(in);
    std::vector<Path> leaves;
    Path at;
    Leaves(nodes, at, leaves);
    if (leaves.empty()) failures.push_back(s.Name + ": its table writes nothing");

    ByteWriter allOut;
    PropertyWriter all(allOut);
    std::set<std::string> seen, intended;
    for (const Path& p : leaves) {
        const std::string name = PathName(p);
        // The same record written twice (a part reached by two names) is tried once.
        if (!seen.insert(name).second) continue;
        bool changed = false;
        for (const Node& value : OtherValues(*p.back())) {
            ByteWriter out;
            PropertyWriter w(out);
            PutAlone(w, p, 0, value);
            w.End();
            std::shared_ptr<T> original = s.Make();
            if (!ReadInto(*s.Table, *original, out.Bytes()) || WriteAll(*s.Table, *original) == freshBytes) continue;
            changed = true;
            PutAlone(all, p, 0, value);
            if (auto d = Differences(s, *original, intended); !d.empty())
                failures.push_back(s.Name + ": " + name + " set, the copy differs in " + Join(d));
            break;
        }
        if (changed == bool(s.CannotSetAlone.count(name)))
            failures.push_back(s.Name + ": " + name + (changed ? " is set alone after all" : " takes no other value"));
    }
    all.End();
    // Some values exclude others (a logarithmic axis refuses a minimum below 0): those the setters
    // refuse together are left out.
    std::shared_ptr<T> original = s.Make();
    ReadInto(*s.Table, *original, allOut.Bytes(), true);
    if (WriteAll(*s.Table, *original) == freshBytes) failures.push_back(s.Name + ": no value set together");
    if (auto d = Differences(s, *original, intended); !d.empty())
        failures.push_back(s.Name + ": all values set, the copy differs in " + Join(d));
    for (const auto& [entry, reason] : s.SetByAssign)
        if (!intended.count(entry)) failures.push_back(s.Name + ": " + entry + " is copied after all (" + reason + ")");
    return failures;
}

template <class T> void ExpectAgrees(const Subject<T>& s) {
    for (const std::string& f : Check(s)) ADD_FAILURE() << f;
}

// The axis, legend, marks and pointer live inside a chart or a series: each pointer keeps its owner alive.

TEST(AssignMatchesTable, Axis) {
    // Each side has its own defaults (the left title's angle, the depth axis hidden); the copy goes to
    // an axis of the same side.
    for (auto side : {&TCustomAxisPanel::LeftAxis, &TCustomAxisPanel::BottomAxis}) {
        ExpectAgrees(Subject<TCustomChartAxis>{
            "Axis",
            [side] {
                auto chart = std::make_shared<TChart>(nullptr);
                TCustomChartAxis* axis = ((*chart).*side)();
                return std::shared_ptr<TCustomChartAxis>(chart, axis);
            },
            &AxisProperties(), [](TCustomChartAxis& to, TCustomChartAxis& from) { to.Assign(from); }});
    }
}

TEST(AssignMatchesTable, Legend) {
    ExpectAgrees(Subject<TCustomChartLegend>{
        "Legend",
        [] {
            auto chart = std::make_shared<TChart>(nullptr);
            return std::shared_ptr<TCustomChartLegend>(chart, &chart->Legend());
        },
        &LegendProperties(), [](TCustomChartLegend& to, TCustomChartLegend& from) { to.Assign(from); }});
}

TEST(AssignMatchesTable, SeriesMarks) {
    ExpectAgrees(Subject<TSeriesMarks>{
        "Marks",
        [] {
            auto series = std::make_shared<TChartSeries>();
            return std::shared_ptr<TSeriesMarks>(series, &series->Marks());
        },
        &MarksProperties(), [](TSeriesMarks& to, TSeriesMarks& from) { to.Assign(from); }});
}

TEST(AssignMatchesTable, SeriesPointer) {
    ExpectAgrees(Subject<TSeriesPointer>{
        "Pointer",
        [] {
            auto series = std::make_shared<TPointSeries>(nullptr);
            return std::shared_ptr<TSeriesPointer>(series, &series->Pointer);
        },
        &PointerProperties(), [](TSeriesPointer& to, TSeriesPointer& from) { to.Assign(from); }});
}

// The chart's other parts with a table and an Assign of their own, and the chart itself.
template <class T> Subject<T> ChartPart(std::string name, T& (*part)(TChart&), const PropertyTable<T>& table) {
    return {std::move(name),
            [part] {
                auto chart = std::make_shared<TChart>(nullptr);
                return std::shared_ptr<T>(chart, &part(*chart));
            },
            &table, [](T& to, T& from) { to.Assign(from); }};
}

TEST(AssignMatchesTable, ChartParts) {
    ExpectAgrees(ChartPart<TChartTitle>("Title", [](TChart& c) -> TChartTitle& { return c.Title(); }, TitleProperties()));
    ExpectAgrees(ChartPart<TChartWall>("Wall", [](TChart& c) -> TChartWall& { return c.BackWall(); }, WallProperties()));
    ExpectAgrees(ChartPart<TChartGradient>("Gradient", [](TChart& c) -> TChartGradient& { return c.Gradient(); },
                                           GradientProperties()));
    ExpectAgrees(ChartPart<TView3DOptions>("View3DOptions", [](TChart& c) -> TView3DOptions& { return c.View3DOptions(); },
                                           View3DProperties()));
    ExpectAgrees(Subject<TCustomChart>{"Chart", [] { return std::shared_ptr<TCustomChart>(std::make_shared<TChart>(nullptr)); },
                                       &ChartProperties(), [](TCustomChart& to, TCustomChart& from) { to.Assign(from); },
                                       {},
                                       {{"DepthAxis.Logarithmic",
                                         "without series the depth axis runs from -0.5, and a logarithmic axis "
                                         "refuses limits below 0; the axis case sets Logarithmic"}}});
}

// Every series type a chart file can name: bar, pie and polar (the circled series), candle and the rest,
// each with its registered table and copied with the series' own Assign.
TEST(AssignMatchesTable, EverySeriesType) {
    RegisterStandardSeriesTypes();
    RegisterChartEngineTypes();
    RegisterExtendedSeriesTypes();
    // The look each type puts back whatever it copies from.
    const std::string pointerShown = "a point series shows its pointers: Assign shows them";
    const std::map<std::string, std::map<std::string, std::string>> setByAssign = {
        {"TLineSeries", {{"Pointer.Visible", "a line series shows no pointers: Assign hides them"}}},
        {"TPointSeries", {{"Pointer.Visible", pointerShown}}},
        {"TArrowSeries", {{"Pointer.Visible", pointerShown}}},
        {"TBubbleSeries", {{"Pointer.Visible", pointerShown}}},
        {"TGanttSeries", {{"Pointer.Visible", pointerShown}}},
        {"TAreaSeries", {{"DrawArea", "an area series fills its area: Assign turns it on"}}},
        {"TPieSeries", {{"ColorEachPoint", "a pie gives each slice a colour of its own: Assign turns it on"}}},
        // Taking the source's points empties the grid first, which puts the X order back to none: a
        // grid keeps its points in the order given.
        {"TSurfaceSeries", {{"XValues.Order", "a grid series takes its points in the order given"}}},
        {"TContourSeries", {{"XValues.Order", "a grid series takes its points in the order given"}}},
    };
    std::set<const ChartClass*> done;
    for (const auto& entry : ChartSeriesTypes().Items()) {
        const ChartClass* cls = entry->SeriesClass;
        if (!cls || entry->FunctionClass || !done.insert(cls).second) continue;
        SCOPED_TRACE(cls->Name);
        ExpectAgrees(Subject<Component>{
            cls->Name, [cls] { return std::shared_ptr<Component>(cls->Create(nullptr)); }, &cls->Properties,
            [](Component& to, Component& from) {
                static_cast<TChartSeries&>(to).Assign(static_cast<TChartSeries&>(from));
            },
            setByAssign.count(cls->Name) ? setByAssign.at(cls->Name) : std::map<std::string, std::string>{}});
    }
    EXPECT_GE(done.size(), 20u) << "the series types were not all registered";
}

}  // namespace
}  // namespace fv
