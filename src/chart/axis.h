// A chart axis: its settings, the automatic range flags, the mapping between values and pixels (linear,
// inverted, logarithmic and along the depth), its pixel extent and its place beside the chart rectangle.
//
// An axis belongs to a chart that implements TAxisHost: the chart gives it the series (for automatic
// limits and the date-time test), the canvas it measures texts on, the chart rectangle, the wall sizes and
// the 3D depth, and repaints when a setting changes. The axis never keeps pixels outside what 32-bit
// coordinates hold: values far outside the limits saturate at the coordinate range instead of wrapping.
#pragma once

#include <functional>
#include <string>

#include "chart/canvas_3d.h"
#include "chart/chart_exception.h"
#include "chart/chart_pens.h"
#include "chart/series_host.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace fv {

class TCustomChartAxis;

// The side of the chart an axis stands on; it fixes `Horizontal`, `OppositeSide` and `DepthRole`.
enum class TAxisSide { Left, Top, Right, Bottom, Depth };

class AxisException : public ChartException {
public:
    using ChartException::ChartException;
};

// What an axis needs of the chart that owns it.
class TAxisHost : public SeriesHost {
public:
    virtual TCanvas3D& AxisCanvas() = 0;
    // The rectangle the series are drawn in.
    virtual PixelRect AxisChartRect() const = 0;
    // The wall on a side of the chart rectangle, in pixels (0 in 2D).
    virtual int AxisWallSize(TAxisSide) const { return 0; }
    // The depth of the 3D view in pixels: where the back plane lies.
    virtual int AxisHorizDepth() const { return 0; }
    // The depth the depth axis spans.
    virtual int AxisWidth3D() const { return AxisHorizDepth(); }
    // Whether the chart shows the axis at all.
    virtual bool AxisShown(const TCustomChartAxis&) const { return true; }
    // The colour behind labels: the panel's colour.
    virtual TColor AxisBackColor() const { return ClWhite; }
    // Whether the chart is drawing for a printer.
    virtual bool IsPrinting() const { return false; }
    // The chart's back colour (its back wall); AutomaticColour when it has none of its own.
    virtual TColor ChartBackColor() const { return AutomaticColour; }
    // The widest point label and the widest mark text of the series, for axes that show them.
    virtual int WidestPointLabel() { return 0; }
    virtual int WidestMarkText() { return 0; }
    // The text of the mark of point `index` of a series. Without marks of its own the chart shows the
    // point's label, or its value when it has none.
    virtual std::string SeriesMarkText(const TChartSeries& series, int index) const;
    // The legend title of the index-th series shown in the legend, for the labels of the depth axis.
    virtual std::string SeriesTitleOfLegendIndex(int index) const { return {}; }

    // May change a label's text: the axis, the series (nil for value labels), the point index (-1 for
    // value labels) and the text.
    std::function<void(TCustomChartAxis&, TChartSeries*, int, std::string&)> OnGetAxisLabel;
    // Delivers custom label values one at a time: the handler clears `stop` to deliver `value`.
    std::function<void(TCustomChartAxis&, int index, bool& stop, double& value)> OnGetNextAxisLabel;
};

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

class TChartAxisTitle {
public:
    explicit TChartAxisTitle(TCustomChartAxis& axis) : axis_(axis) {}
    int Angle() const { return angle_; }
    void SetAngle(int value);  // 0..359, else ChartException naming "Axis Title"
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& value);
    void Assign(const TChartAxisTitle& other);

private:
    friend class TCustomChartAxis;
    TCustomChartAxis& axis_;
    int angle_ = 0;
    std::string caption_;
    Font font_;
};

class TCustomChartAxis {
public:
    TCustomChartAxis(TAxisHost* chart, TAxisSide side);
    virtual ~TCustomChartAxis() = default;
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    // Role, fixed at creation.
    TAxisHost* ParentChart() const { return chart_; }
    TAxisSide Side() const { return side_; }
    bool Horizontal() const { return side_ == TAxisSide::Top || side_ == TAxisSide::Bottom; }
    bool OppositeSide() const { return side_ == TAxisSide::Top || side_ == TAxisSide::Right || side_ == TAxisSide::Depth; }
    bool DepthRole() const { return side_ == TAxisSide::Depth; }
    // The title's own angle: 0 for horizontal axes, 90 left, 270 right.
    int DefaultTitleAngle() const;

    // Settings.
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int value);
    TChartAxisPen Axis;
    TChartAxisTitle Title{*this};
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value) { Change(titleSize_, value); }
    TDottedGrayPen Grid;
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool value) { Change(gridCentered_, value); }
    bool Labels() const { return labels_; }
    void SetLabels(bool value) { Change(labels_, value); }
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value);  // 0..359, else ChartException naming "Axis Labels"
    const Font& LabelsFont() const { return labelsFont_; }
    void SetLabelsFont(const Font& value);
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value) { Change(labelsOnAxis_, value); }
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value) { Change(labelsSize_, value); }
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value) { Change(labelStyle_, value); }
    const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const std::string& value) { Change(axisValuesFormat_, value); }
    const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const std::string& value) { Change(dateTimeFormat_, value); }
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value) { Change(exactDateTime_, value); }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value) { Change(roundFirstLabel_, value); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value) { Change(labelsMultiLine_, value); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value) { Change(minorTickCount_, value); }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value) { Change(minorTickLength_, value); }
    TDarkGrayPen MinorTicks;
    TDarkGrayPen Ticks;
    TDarkGrayPen TicksInner;
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value) { Change(tickInnerLength_, value); }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value) { Change(tickLength_, value); }
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value) { Change(tickOnLabelsOnly_, value); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value) { Change(inverted_, value); }
    // Stores Inverted without repainting.
    void SetInvertedQuiet(bool value) { inverted_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value) { Change(startPosition_, value); }
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value) { Change(endPosition_, value); }
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value) { Change(positionPercent_, value); }

    // Fixed limits: switches the automatic flags off without repainting; the smaller value becomes the
    // minimum, and a range under 1e-10 is widened to 1e-10.
    void SetRange(double aMin, double aMax);
    // Copies every setting and the depth role.
    virtual void Assign(const TCustomChartAxis& other);

    // Working state.
    double LowLimit = 0, HighLimit = 0, LimitRange = 0;
    bool IsDateTime = false;
    int StartPixel = 0, EndPixel = 0, PixelLength = 0, CenterPixel = 0;
    int LinePixel = 0, LabelsPixel = 0, TitlePixel = 0;

    // Whether the first active series that uses this axis keeps date-time values along it.
    bool IsDateTimeAxis() const;
    // The limits that automatic flags take from the series.
    void CalcAutoMinMax(double& min, double& max) const;
    // Automatic limits into Minimum and Maximum, and those into the working limits.
    void AdjustMaxMin();

    // Value and pixel conversions.
    int ValueToPixel(double value) const { return Horizontal() ? HorizPosOfValue(value) : VertPosOfValue(value); }
    int HorizPosOfValue(double value) const;
    int VertPosOfValue(double value) const;
    int ValueToPixelLength(double value) const;
    double PixelToValue(int pixel) const;

    // The pixel extent from the chart rectangle and StartPosition/EndPosition.
    void CalcExtent(const PixelRect& chartRect);
    // Sets the extent and recomputes PixelLength and CenterPixel.
    void SetPixels(int startPixel, int endPixel);
    // Leaves `low` pixels free at the start and `high` at the end by widening the limits.
    void ShrinkForMargins(int low, int high);
    // Without layout, places line, labels and title from the chart rectangle; with it, also takes the
    // title, label and tick space off the rectangle's side.
    void PlaceInRect(PixelRect& rect, bool layout);
    // The pixel of the axis line: the chart rectangle's side shifted by PositionPercent.
    int AxisLinePosition(const PixelRect& chartRect) const;

    int OuterTicksSize() const;
    int LabelsSpace() const;
    int TitleSpace() const;
    // Labels and increments (axis_labels.cpp).
    // The label text of a value: a number in AxisValuesFormat, or a date (nothing for a negative one).
    std::string FormatLabel(double value) const { return FormatLabelText(value, true, IsDateTime); }
    // The same without asking the chart's OnGetAxisLabel, and as a date whenever the axis' series keep
    // dates, whether or not the axis has been drawn (legend texts).
    std::string LabelTextOf(double value) const { return FormatLabelText(value, false, IsDateTimeAxis()); }
    TAxisLabelStyle ResolvedLabelStyle() const;
    // The label step that keeps labels of the limits apart along the axis' pixels.
    double CalcLabelsIncrement() const;
    // The step that allows at most `maxLabels` labels.
    double IncrementForLabelCount(int maxLabels) const;
    // The widest label's text width (plus a blank).
    virtual int WidestLabel() const;
    // Draws title, labels with their ticks and grid, and the axis line. With `calcPosAxis` the line's
    // position is worked out from the chart rectangle first.
    void DrawAxis(bool calcPosAxis);

    // Whether (x, y) lies on the axis: between its ends, from its labels to 3 pixels beyond its line.
    bool Clicked(int x, int y) const;

    // Draws the axis at given positions (its line at `posAxis`), the grid shown or hidden for this drawing
    // only, without working the line's position out again.
    void DrawAtPosition(int posLabels, int posTitle, int endPixel, int startPixel, bool showGrid, int posAxis);
    // The same with fixed limits and step; settings and working limits come back afterwards, also when
    // drawing fails.
    void DrawAtPositionWithRange(int posLabels, int posTitle, int endPixel, int startPixel, bool showGrid,
                                 int posAxis, double minimum, double maximum, double increment);

    // Labels drawn by the last DrawAxis (value labels, capped), for tests and the chart's hit tests.
    int DrawnLabelCount = 0;

    // Draws the axis line with the current canvas pen.
    virtual void DrawAxisLine(int wallSize);

protected:
    void Repaint() { if (chart_) chart_->Repaint(); }
    template <class T> void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    // Moves a coordinate `by` pixels outward: away from the chart rectangle on the axis' side.
    int Outward(int pixel, int by) const;
    double LogRange(double& logMin, double& logMax) const;
    bool RunsAlongAxis(int angle) const;
    // Start + offset (or start - offset) worked out in double, saturated at the int range.
    static int OffsetPixel(int start, double offset);
    // How far along `length` the value lies, LowLimit at 0 and HighLimit at `length`.
    double Along(double value, double length) const;
    void SetCanvasFont(const Font& font) const;
    // The rectangle's side is moved inward by `by`; answers the new edge.
    int ShrinkSide(PixelRect& rect, int by) const;
    // The shift of PositionPercent, in the direction the axis line moves.
    int PositionShift(const PixelRect& chartRect) const;

    std::string FormatLabelText(double value, bool withEvent, bool dateTime) const;
    int LabelSize(double value) const;  // across the label's direction of stacking
    void DrawValueLabels(double step, int dateStepIndex);
    void DrawLogarithmicLabels();
    bool DrawCustomLabels();
    // Ticks and grid at `pixel`, and the text unless `show` is false (a label the overlap test hid).
    void DrawLabel(int pixel, double value, const std::string& text, bool show = true);
    void DrawTicksAndGrid(int pixel, double value);
    void DrawTick(int pixel, int from, int length);
    void DrawTitle();
    void DrawSeriesLabels(bool marks);
    void DrawDepthTitles();
    // The text alignment that puts a block of lines at `angle` outward of its edge, centred across; dx and
    // dy move the first line's point in the text's own frame.
    unsigned OutwardAlignment(int angle, int lineCount, int lineHeight, int& dx, int& dy) const;
    // An offset in the frame of a text at `angle` (x along its lines, `down` down them) on the screen.
    static Point TurnedOffset(int angle, int dx, int down);
    void DrawGridLine(int pixel);

    // State of one drawing.
    double labelStep_ = 0;
    int previousTick_ = -1;
    int wall_ = 0;

private:
    TAxisHost* chart_;
    TAxisSide side_;
    bool automatic_ = true, automaticMaximum_ = true, automaticMinimum_ = true;
    double increment_ = 0, maximum_ = 0, minimum_ = 0;
    bool logarithmic_ = false;
    int logarithmicBase_ = 10;
    int titleSize_ = 0;
    bool gridCentered_ = false;
    bool labels_ = true;
    int labelsAngle_ = 0;
    Font labelsFont_;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = TAxisLabelStyle::talAuto;
    std::string axisValuesFormat_ = "#,##0.###";
    std::string dateTimeFormat_;
    bool exactDateTime_ = true, roundFirstLabel_ = true, labelsMultiLine_ = false;
    int minorTickCount_ = 3, minorTickLength_ = 2, tickInnerLength_ = 0, tickLength_ = 4;
    bool tickOnLabelsOnly_ = true, inverted_ = false, visible_ = true;
    double startPosition_ = 0, endPosition_ = 100, positionPercent_ = 0;
};

// The four side axes.
class TChartAxis : public TCustomChartAxis {
public:
    TChartAxis(TAxisHost* chart, TAxisSide side) : TCustomChartAxis(chart, side) {}
};

// The depth axis of a 3D chart: hidden unless asked for.
class TChartDepthAxis : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(TAxisHost* chart);
};

}  // namespace fv
