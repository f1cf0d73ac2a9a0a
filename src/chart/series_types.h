// The series-type registry: the classes a chart file can name (series, functions, charts) with their
// property tables, the list of series types and functions that the editor's gallery offers, and the
// chart-level operations that name, create, clone and replace series.
//
// Registration is explicit. Each library that holds series types or functions has one function that
// registers its classes, in gallery order, and that may run more than once (a second registration of a
// class or an entry changes nothing):
//
//     void RegisterStandardSeriesTypes() {
//         RegisterSeriesType(RegisterChartClass<TLineSeries>("TLineSeries", LineProperties()), "Line", "Standard", 2);
//         ...
//     }
//     void RegisterBasicFunctions() {
//         RegisterBasicFunctionType(RegisterChartClass<TAddChartFunction>("TAddChartFunction", AddProperties()), "Add");
//         ...
//     }
//
// The program's start-up calls these functions once, in the gallery's order: the standard series (Line,
// Bar, Horiz. Bar, Area, Point, Pie), then RegisterChartEngineTypes (Fast Line), then the further series
// types, then the functions. Tests call the ones they need. A chart class (the chart itself) registers
// with RegisterChartClass so that the chart file store finds its table.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "chart/axis_panel.h"
#include "chart/chart_function.h"
#include "chart/chart_series.h"
#include "platform/stream/property_table.h"

namespace fv {

// A class that a chart file may name.
struct ChartClass {
    std::string Name;
    std::type_index Type;
    // A new object of the class with the given owner (functions are made without one).
    std::function<Component*(Component* owner)> Create;
    PropertyTable<Component> Properties;
    // The name of the class it derives from ("TCustomSeries" for TLineSeries), which need not be
    // registered itself; empty when not given. The series type pictures fall back on it.
    std::string Parent;
};

// Registers T under name with its table (T's own, or that of a base of T when T stores nothing more)
// and the name of its parent class; answers the registered class (the earlier one when the name is
// taken already).
const ChartClass* RegisterChartClass(const std::string& name, std::type_index type,
                                     std::function<Component*(Component*)> create, PropertyTable<Component> properties,
                                     const std::string& parent = {});
template <class T, class B>
const ChartClass* RegisterChartClass(const std::string& name, const PropertyTable<B>& properties,
                                     const std::string& parent = {}) {
    static_assert(std::is_base_of_v<B, T>);
    return RegisterChartClass(
        name, typeid(T),
        [](Component* owner) -> Component* {
            if constexpr (std::is_constructible_v<T, Component*>) return new T(owner);
            else return new T();
        },
        properties.template Downcast<Component>(), parent);
}
// The class of that name; nil when none is registered.
const ChartClass* FindChartClass(const std::string& name);
// The registered class of exactly the object's type; nil when it has none.
const ChartClass* ChartClassOf(const Component& object);
void UnregisterChartClass(const std::string& name);

// One entry of the gallery: a series type, a function, or a function shown on a series type.
struct TChartSeriesType {
    const ChartClass* SeriesClass = nullptr;
    const ChartClass* FunctionClass = nullptr;
    std::string Description;  // at most 20 bytes
    std::string GalleryPage;  // "Standard", "Extended", "Functions"; at most 20 bytes
    int NumGallerySeries = 0;
};

class TChartSeriesTypes {
public:
    int Count() const { return int(entries_.size()); }
    const TChartSeriesType& GetItem(int index) const { return *entries_.at(std::size_t(index)); }
    const std::vector<std::unique_ptr<TChartSeriesType>>& Items() const { return entries_; }

private:
    friend void AddSeriesTypeEntry(const ChartClass*, const ChartClass*, const std::string&, const std::string&, int);
    friend void RemoveSeriesTypes(bool, const ChartClass*);
    friend void FreeSeriesTypes();
    std::vector<std::unique_ptr<TChartSeriesType>> entries_;
};

// The one list of the process.
TChartSeriesTypes& ChartSeriesTypes();

// Appends an entry unless one with the same series and function class is there; texts are cut to 20
// bytes on a character boundary.
void AddSeriesTypeEntry(const ChartClass* seriesClass, const ChartClass* functionClass, const std::string& description,
                        const std::string& page, int count);
void RegisterSeriesType(const ChartClass* seriesClass, const std::string& description, const std::string& page, int count);
void RegisterFunctionType(const ChartClass* functionClass, const std::string& description, const std::string& page, int count);
void RegisterBasicFunctionType(const ChartClass* functionClass, const std::string& description);
// Removes every entry whose series class (bySeries) or function class is cls.
void RemoveSeriesTypes(bool bySeries, const ChartClass* cls);
void UnregisterSeriesTypes(const std::vector<const ChartClass*>& classes);
void UnregisterFunctionTypes(const std::vector<const ChartClass*>& classes);
void FreeSeriesTypes();

// The chart library's own classes: the chart (TChart, and TODBCChart that adds nothing) and the fast line.
void RegisterChartEngineTypes();

// base followed by the smallest n from 1 such that the owner has no component of that name.
std::string UniqueComponentName(const Component* owner, const std::string& base);
std::string NewSeriesName(const Component* owner);
std::string NewFunctionName(const Component* owner);

// A function of the class, given to the series and named after the series' owner's components.
TChartFunction* CreateFunctionOfClass(TChartSeries& series, const ChartClass& functionClass);
// A series of the class owned by owner (the chart when nil), shown on the chart, named "Series"+n, with a
// function of functionClass when one is given.
TChartSeries* CreateSeriesOfClass(Component* owner, TCustomAxisPanel& chart, const ChartClass& seriesClass,
                                  const ChartClass* functionClass = nullptr);
// A copy with the same owner, chart, class, function class, settings, and the points when it has no source.
TChartSeries* CloneSeries(TChartSeries& series);
// The new series takes the old one's settings, events, dependents, place in the chart and name; the old
// one is freed and the pointer cleared.
void ReplaceSeries(TChartSeries*& old, TChartSeries& replacement);
// Nothing when the series is of that class already; else ReplaceSeries by a new one of the class.
void ChangeSeriesClass(TChartSeries*& series, const ChartClass& newClass);

// Frees a series however it is owned: through its owner, or on its own.
void FreeSeries(TChartSeries* series);

}  // namespace fv
