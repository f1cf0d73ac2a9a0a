// TChartSeries, the data side: the points of one series (value lists, one colour and one label per point),
// adding, changing, deleting and clearing them, copying a series, sample values, and the data sources
// that feed the series and the dependent series that it feeds.
//
// Rules:
// - Every value list holds exactly Count values; colours and labels are kept for every point (automatic
//   colour and no label unless one was given).
// - Every add ends in AddPoint, which returns the new point's index, or -1 when OnBeforeAdd refused it.
// - A change of the points is passed on to the dependent series as their SourceUpdateFlags ask.
// - A series may feed another only when no chain of sources leads back to it; notifications and
//   recalculations never run into themselves.
// - Every point index is checked: a bad one raises ListIndexError and changes nothing.
// Drawing, screen positions, legend items and marks are built on top of this.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "chart/point_storage.h"
#include "chart/series_host.h"
#include "chart/series_marks.h"
#include "chart/value_list.h"
#include "platform/core/component.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"
#include "platform/ui/control.h"

namespace fv {

class TChartFunction;

// What a legend item shows beside the point's label.
enum TLegendTextStyle { ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue };

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// Which changes of a source a dependent series follows.
enum SourceUpdateFlag : unsigned { SuDelete = 1, SuValueChange = 2, SuAdd = 4, SuClear = 8, SuAll = 15 };

// What a source tells its dependents.
enum class SourceChange { Cleared, PointAdded, PointDeleted, RecalculateAll, ValueChanged };

// The random numbers of sample values; tests give a fixed seed.
class ChartRandom {
public:
    void SeedFromClock();
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    // 0 <= result < n; 0 when n <= 0.
    int Random(int n);

private:
    std::mt19937 engine_;
};

#define FOLIVEX_SERIES_CLASS(Type)                                          \
    bool ClassIncludes(const TChartSeries& series) const override {         \
        return dynamic_cast<const Type*>(&series) != nullptr;               \
    }

class TChartSeries : public Component {
public:
    explicit TChartSeries(Component* owner = nullptr, std::string name = {});
    ~TChartSeries() override;

    // --- points
    int Count() const { return XValues->Count(); }
    TChartValueList* XValues;
    TChartValueList* YValues;
    const TChartValueLists& ValueLists() const { return valueLists_; }
    virtual TChartValueList* MandatoryValueList() const { return YValues; }
    bool IsVertical() const { return MandatoryValueList() == YValues; }
    // The list along which points are placed: XValues for a vertical series, YValues otherwise.
    TChartValueList* PositionList() const { return IsVertical() ? XValues : YValues; }

    virtual int AddPoint(double x, double y, const std::string& label = {}, Color colour = AutomaticColour);
    virtual int AddY(double value, const std::string& label = {}, Color colour = AutomaticColour);
    virtual int AddEmpty(const std::string& label = {});
    virtual int AddEmptyXY(double x, double y, const std::string& label = {});
    // Inserts the pending value of every extra list (index 2 on) at index.
    virtual void AddExtraValues(int index);

    void SetXValue(int index, double value);
    void SetYValue(int index, double value);
    void SetPointColor(int index, Color colour);
    void SetPointLabel(int index, const std::string& label);
    virtual void DeletePoint(int index);
    virtual void Clear();
    virtual void ClearLists();
    virtual void SwapPoints(int a, int b);

    virtual double GetXValue(int index) const { return XValues->GetValue(index); }
    virtual double GetYValue(int index) const { return YValues->GetValue(index); }
    virtual double MandatoryValue(int index) const { return MandatoryValueList()->GetValue(index); }
    virtual double MarkValue(int index) const { return MandatoryValue(index); }
    virtual std::string PointLabel(int index) const;
    virtual Color ValueColor(int index) const;
    // The colour stored for a point (AutomaticColour unless one was given).
    Color PointColor(int index) const;
    bool HasOwnColor(int index) const;
    bool HasLabel(int index) const;

    virtual double MaxXValue() const { return XValues->MaxValue(); }
    virtual double MinXValue() const { return XValues->MinValue(); }
    virtual double MaxYValue() const { return YValues->MaxValue(); }
    virtual double MinYValue() const { return YValues->MinValue(); }
    virtual double MaxZValue() const { return DepthSlot(); }
    virtual double MinZValue() const { return DepthSlot(); }
    int DepthSlot() const { return ZOrder != -1 ? ZOrder : AutoDepthSlot; }

    // True when `series` is of this series' class or of a class derived from it. Every series type
    // overrides it with FOLIVEX_SERIES_CLASS.
    virtual bool ClassIncludes(const TChartSeries& series) const { return true; }
    // Same-kind series (stacking, side-by-side bars): one's class is the other's or derives from it.
    bool SameKindAs(const TChartSeries& other) const { return ClassIncludes(other) || other.ClassIncludes(*this); }

    // Sum of MarkValue(index) over the same-kind active series before this one (or all, with includeSelf).
    virtual double PrecedingSum(int index, bool includeSelf) const;

    virtual void FillSampleValues(int numValues);
    virtual int NumSampleValues() const { return 26; }
    ChartRandom& RandomSource() { return random_; }
    // Sample fills use the given seed instead of the clock.
    void SetRandomSeed(std::uint32_t seed);
    virtual void PrepareForGallery(bool enabled);
    // Turns the 3D view of the series' chart on or off (clipping the points in 2D only).
    virtual void SetChartView3D(bool on);

    // Copies settings and points; a function of the source moves over (the source is left without one).
    virtual void Assign(TChartSeries& source);

    // --- settings
    bool Active() const { return active_; }
    virtual void SetActive(bool value) { Change(active_, value); }
    Color SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(Color value) { Change(seriesColor_, value); }
    bool ColorEachPoint() const { return colorEachPoint_; }
    virtual void SetColorEachPoint(bool value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { Change(title_, value); }
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& value) { Change(valueFormat_, value); }
    const std::string& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const std::string& value) { Change(percentFormat_, value); }
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value) { Change(showInLegend_, value); }
    const std::string& ColorSource() const { return colorSource_; }
    void SetColorSource(const std::string& value) { Change(colorSource_, value); }
    const std::string& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(const std::string& value) { Change(xLabelsSource_, value); }
    int Cursor() const { return cursor_; }
    void SetCursor(int value) { cursor_ = value; }
    unsigned SourceUpdateFlags = SuAll;
    int ZOrder = -1;
    int AutoDepthSlot = 0;
    bool FunctionSinglePoint = true;
    bool OwnZValues = false;

    // --- axes
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis value);
    void SetCustomHorizAxis(TCustomChartAxis* axis);
    void SetCustomVertAxis(TCustomChartAxis* axis);
    TCustomChartAxis* GetHorizAxis() const { return horizAxisRef_; }
    TCustomChartAxis* GetVertAxis() const { return vertAxisRef_; }
    virtual bool UsesAxes() const { return true; }
    virtual bool UsesAxis(const TCustomChartAxis* axis) const;

    // --- chart
    SeriesHost* ParentChart() const { return parent_; }
    virtual void SetParentChart(SeriesHost* chart);
    void Repaint();
    void Changed() { Repaint(); }
    // Loading from a stored chart: sources named in the stream are resolved when loading ends.
    void BeginLoading() { loading_ = true; }
    void Loaded();
    bool IsLoading() const { return loading_ || (parent_ && parent_->IsLoading()); }

    // --- data sources and dependents
    Component* DataSource() const { return sources_.empty() ? nullptr : sources_.front(); }
    void SetDataSource(Component* source);
    const std::vector<Component*>& DataSources() const { return sources_; }
    // Appends a source; false (and nothing added) for nil and for a series whose sources lead back here.
    bool AddDataSource(Component* source);
    void RemoveDataSource(TChartSeries* source);
    const std::vector<TChartSeries*>& Dependents() const { return dependents_; }
    // The series stops following its sources and forgets them (its points stay): a chart that lets it go
    // does this. A source that no longer knows its dependent could be freed under it.
    void LeaveSources();
    void AddDependent(TChartSeries* series);
    void RemoveDependent(TChartSeries* series);
    void NotifyDependents(SourceChange kind, int index = -1) {
        if (!dependents_.empty()) PassOnToDependents(kind, index);
    }
    void RefreshDependents() { NotifyDependents(SourceChange::RecalculateAll); }
    void RefreshFromSource();
    void CheckCircularSource(Component* source) const;
    // Whether `target` can be reached from `start` through the sources of series (start itself counts).
    static bool SourceChainReaches(const Component* start, const TChartSeries& target);
    virtual void AddValuesFrom(TChartSeries& source);
    virtual void CopyPoint(TChartSeries& source, int index);
    virtual int AddPointFrom(TChartSeries& source, int index);
    virtual void SourceDeleted(TChartSeries& source, int index);
    virtual bool IsValidSourceOf(const TChartSeries& other) const { return &other != this; }
    virtual bool IsValidSource(const TChartSeries& source) const { return true; }
    // The extra list (index 2 on) named `name` regardless of case; YValues when there is none.
    virtual TChartValueList* ValueListByName(const std::string& name) const;
    // The names stored as "DataSources" (only for more than one source) and read back from a stream.
    std::vector<std::string> DataSourceNames() const;
    void ReadDataSourceNames(std::vector<std::string> names);

    // --- function
    TChartFunction* SeriesFunction() const { return function_.get(); }
    // Takes ownership; the former function is freed.
    void SetFunction(std::unique_ptr<TChartFunction> function);
    // Gives up the function without freeing it.
    std::unique_ptr<TChartFunction> ReleaseFunction();

    // --- drawing (series_drawing.cpp)
    // The points inside the view: FirstVisibleIndex..LastVisibleIndex, both -1 when none.
    int FirstVisibleIndex = -1, LastVisibleIndex = -1;
    // Ordered positions let drawing skip the points outside the axis limits.
    bool LimitToView = true;
    // The first point past the high end of the view is drawn too (lines leave the view towards it).
    bool KeepLastOutsidePoint = false;
    void FindVisibleRange();
    // Pixels of values on the series' axes; 0 without an axis.
    int XScreenPos(double value) const;
    int YScreenPos(double value) const;
    // Series types move their points (side-by-side bars, stacked areas): the pixels go through these.
    virtual int PointScreenX(int index) const { return XScreenPos(GetXValue(index)); }
    virtual int PointScreenY(int index) const { return YScreenPos(GetYValue(index)); }
    virtual bool DrawValuesForward() const { return true; }
    // Whether the series of a shared depth slot draw point `index` in list order (else last to first).
    virtual bool DrawPointForward(int index) const { return true; }
    // Draws every visible point, in the order DrawValuesForward says.
    virtual void DrawAllValues();
    virtual void DrawValue(int index) {}
    // Called for every active series before a drawing lays out the chart.
    virtual void PrepareValues() {}
    // A series type may prepare its drawing here (the circle of a pie).
    virtual void DoBeforeDrawValues() { if (BeforeDrawValues) BeforeDrawValues(this); }
    void DoAfterDrawValues() { if (AfterDrawValues) AfterDrawValues(this); }
    int XScreenSize(double value) const;
    int YScreenSize(double value) const;
    // The pixel of a value along the axis of the mandatory values.
    int PixelOfValue(double value) const { return IsVertical() ? YScreenPos(value) : XScreenPos(value); }
    double PixelToXValue(int pixel) const;

    // Depth slots (3D). The chart gives each active series a slot counted from the back; the series draws
    // between SlotStartDepth and SlotEndDepth, flat shapes at SlotMiddleDepth.
    int SlotStartDepth = 0, SlotEndDepth = 0, SlotMiddleDepth = 0;
    virtual void CalcZOrder();
    // Whether another active series without Z values of its own stands in this series' slot.
    virtual bool SharesZOrder() const;
    // Whether this series draws its slot's group: active, and no active series before it in the slot.
    bool LeadsDepthSlot() const;

    // Clicks. Clicked answers the index of the point under (x, y), -1 when none.
    virtual int Clicked(int x, int y) { return -1; }
    // Runs OnDblClick (a double click) or OnClick; answers the chart's MouseHandled after it.
    virtual bool DoClick(int valueIndex, MouseButton button, unsigned shift, int x, int y);

    // Legend items (series_legend.cpp).
    virtual int CountLegendItems() const { return Count(); }
    virtual int LegendToValueIndex(int index) const { return index; }
    virtual Color LegendItemColor(int index) const { return ValueColor(index); }
    virtual std::string LegendString(int index, TLegendTextStyle style) const;
    // Draws the symbol of a legend item (-1: the series itself) into `rect`.
    virtual void DrawLegend(int index, const PixelRect& rect);
    virtual void DrawLegendShape(int index, const PixelRect& rect);
    // May change the brush style and back colour of a legend symbol.
    virtual void GetLegendBrush(int index, Color& backColour, BrushStyle& style) {}
    virtual std::string EditorClassName() const { return {}; }
    // Fills the bitmap with the picture of the series' type (series_pictures.h); leaves it as it was
    // when the type has none.
    virtual void GalleryBitmap(Bitmap& bitmap) const;

    // --- marks (series_marks.cpp)
    TSeriesMarks& Marks() const { return *marks_; }
    // Places and draws the mark of one point; series types move it to where their shape wants it.
    virtual void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position);

    // --- mouse and margins, as the chart asks
    virtual void ChartMouseMove(unsigned shift, int x, int y) {}
    virtual void ChartMouseUp(MouseButton button, unsigned shift, int x, int y) {}
    // Pixels the series needs beyond its extreme points: left and right, top and bottom.
    virtual void HorizMargins(int& left, int& right) { left = right = 0; }
    virtual void VertMargins(int& top, int& bottom) { top = bottom = 0; }

    // --- events
    std::function<bool(TChartSeries*)> OnBeforeAdd;
    std::function<void(TChartSeries*, int)> OnAfterAdd;
    std::function<void(TChartSeries*)> OnClearValues;
    std::function<void(TChartSeries*, int, std::string&)> OnGetMarkText;
    std::function<void(TChartSeries*)> BeforeDrawValues, AfterDrawValues;
    // Sender, point index, button, shift state (with SsDouble for a double click), x, y.
    using ClickEvent = std::function<void(TChartSeries*, int, MouseButton, unsigned, int, int)>;
    ClickEvent OnClick, OnDblClick;

protected:
    virtual void NotifyAdded(int index);
    void ClearPendingValue(TChartValueList& list) { list.PendingValue = 0; }
    void CheckPoint(int index) const;
    // The bounds sample values are drawn within: start X, X step, minimum Y, Y range and a first random Y.
    void RandomBounds(int numValues, double& startX, double& stepX, double& minY, double& rangeY, double& firstY);
    // Stores a changed setting and repaints.
    template <class T> void Change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Repaint();
    }

private:
    friend class TChartValueList;
    friend class SeriesHost;
    void ResolveAxes();
    // Passes a change on to every dependent, once: a change that comes round a cycle stops.
    void PassOnToDependents(SourceChange kind, int index);

    TChartValueLists valueLists_;
    FilledList<Color> colours_{AutomaticColour};
    FilledList<std::string> labels_{std::string()};

    bool active_ = true;
    Color seriesColor_ = AutomaticColour;
    bool colorEachPoint_ = false;
    std::string title_;
    std::string valueFormat_ = "#,##0.###";
    std::string percentFormat_ = "##0.## %";
    bool showInLegend_ = true;
    std::string colorSource_;
    std::string xLabelsSource_;
    int cursor_ = 0;

    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TCustomChartAxis* customHorizAxis_ = nullptr;
    TCustomChartAxis* customVertAxis_ = nullptr;
    TCustomChartAxis* horizAxisRef_ = nullptr;
    TCustomChartAxis* vertAxisRef_ = nullptr;

    SeriesHost* parent_ = nullptr;
    bool loading_ = false;
    std::vector<Component*> sources_;
    std::vector<TChartSeries*> dependents_;
    std::vector<std::string> loadedSourceNames_;
    std::unique_ptr<TChartFunction> function_;
    std::unique_ptr<TSeriesMarks> marks_;

    ChartRandom random_;
    bool fixedSeed_ = false;
    // Guards against a source change arriving back at a series that is still passing one on.
    bool notifying_ = false;
    bool recalculating_ = false;
};

}  // namespace fv
