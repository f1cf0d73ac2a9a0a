// The property tables of the grid and shape series and their registration.
#include "chart/extended/extended_types.h"

#include <climits>

#include "chart/chart_properties.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"

namespace fv {
namespace {

const EnumNames<TChartShapeStyle> ShapeStyleNames = {
    {chasRectangle, "chasRectangle"}, {chasCircle, "chasCircle"}, {chasVertLine, "chasVertLine"},
    {chasHorizLine, "chasHorizLine"}, {chasTriangle, "chasTriangle"}, {chasInvertTriangle, "chasInvertTriangle"},
    {chasLine, "chasLine"}, {chasDiamond, "chasDiamond"}, {chasCube, "chasCube"}, {chasCross, "chasCross"},
    {chasDiagCross, "chasDiagCross"}, {chasStar, "chasStar"}, {chasPyramid, "chasPyramid"},
    {chasInvertPyramid, "chasInvertPyramid"}};
const EnumNames<TChartShapeXYStyle> XYStyleNames = {
    {xysPixels, "xysPixels"}, {xysAxis, "xysAxis"}, {xysAxisOrigin, "xysAxisOrigin"}};
const EnumNames<TAlignment> AlignmentNames = {
    {TAlignment::taLeftJustify, "taLeftJustify"}, {TAlignment::taRightJustify, "taRightJustify"},
    {TAlignment::taCenter, "taCenter"}};

const EnumNames<TCandleStyle> CandleStyleNames = {{csCandleStick, "csCandleStick"}, {csCandleBar, "csCandleBar"}};
const EnumNames<TErrorSeriesStyle> ErrorStyleNames = {
    {essLeft, "essLeft"}, {essRight, "essRight"}, {essLeftRight, "essLeftRight"},
    {essTop, "essTop"},   {essBottom, "essBottom"}, {essTopBottom, "essTopBottom"}};
const EnumNames<TErrorWidthUnits> ErrorWidthUnitsNames = {{ewuPercent, "ewuPercent"}, {ewuPixels, "ewuPixels"}};

// What the polar and the radar store alike. The angle and radius increments are the axes' own and are
// stored with the axes.
template <class T> void PolarSettings(PropertyTable<T>& t) {
    t.Inherit(SeriesProperties());
    t.Object("Brush", [](T& s) -> TChartBrush& { return s.Brush; }, BrushProperties());
    t.Colour("CircleBackColor", &T::CircleBackColor, &T::SetCircleBackColor);
    t.Bool("CircleLabels", &T::CircleLabels, &T::SetCircleLabels);
    t.FontValue("CircleLabelsFont", &T::CircleLabelsFont, &T::SetCircleLabelsFont);
    t.Bool("CircleLabelsRotated", &T::CircleLabelsRotated, &T::SetCircleLabelsRotated);
    t.Object("CirclePen", [](T& s) -> TChartPen& { return s.CirclePen; }, PenProperties());
    t.Bool("Circled", &T::Circled, &T::SetCircled);
    t.Bool("CloseCircle", &T::CloseCircle, &T::SetCloseCircle);
    t.Int("CustomXRadius", &T::CustomXRadius, &T::SetCustomXRadius, 0, 1000000);
    t.Int("CustomYRadius", &T::CustomYRadius, &T::SetCustomYRadius, 0, 1000000);
    SeriesColouredObject(t, "Pen", [](T& s) -> TChartPen& { return s.Pen; }, PenProperties());
    t.Object("Pointer", [](T& s) -> TSeriesPointer& { return s.Pointer; }, PointerProperties());
}

template <class T> void ErrorSettings(PropertyTable<T>& t) {
    t.Inherit(BarProperties());
    SeriesColouredObject(t, "ErrorPen", [](T& s) -> TChartPen& { return s.ErrorPen; }, PenProperties(),
                         std::function<bool(const T&)>([](const T& s) { return !s.DrawsBars(); }));
    t.Object("ErrorValues", [](T& s) -> TChartValueList& { return *s.ErrorValues; }, ValueListProperties());
    t.Int("ErrorWidth", &T::ErrorWidth, &T::SetErrorWidth, INT_MIN, INT_MAX);
    t.Enum("ErrorWidthUnits", &T::ErrorWidthUnits, &T::SetErrorWidthUnits, ErrorWidthUnitsNames);
}

}  // namespace

const PropertyTable<TCustom3DSeries>& Custom3DProperties() {
    static const PropertyTable<TCustom3DSeries> table = [] {
        using S = TCustom3DSeries;
        PropertyTable<S> t;
        t.Inherit(SeriesProperties());
        t.Int("TimesZOrder", &S::TimesZOrder, &S::SetTimesZOrder, INT_MIN, INT_MAX);
        t.Object("ZValues", [](S& s) -> TChartValueList& { return *s.ZValues; }, ValueListProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TCustom3DGridSeries>& GridProperties() {
    static const PropertyTable<TCustom3DGridSeries> table = [] {
        using S = TCustom3DGridSeries;
        PropertyTable<S> t;
        t.Inherit(Custom3DProperties());
        t.Int("NumXValues", &S::NumXValues, &S::SetNumXValues, INT_MIN, INT_MAX);
        t.Int("NumZValues", &S::NumZValues, &S::SetNumZValues, INT_MIN, INT_MAX);
        t.Bool("UseColorRange", &S::UseColorRange, &S::SetUseColorRange);
        t.Bool("UsePalette", &S::UsePalette, &S::SetUsePalette);
        t.Int("PaletteSteps", &S::PaletteSteps, &S::SetPaletteSteps, INT_MIN, INT_MAX);
        t.Colour("StartColor", &S::StartColor, &S::SetStartColor);
        t.Colour("EndColor", &S::EndColor, &S::SetEndColor);
        return t;
    }();
    return table;
}

const PropertyTable<TSurfaceSeries>& SurfaceProperties() {
    static const PropertyTable<TSurfaceSeries> table = [] {
        using S = TSurfaceSeries;
        PropertyTable<S> t;
        t.Inherit(GridProperties());
        t.Object("Pen", [](S& s) -> TChartPen& { return s.Pen; }, PenProperties());
        t.Object("Brush", [](S& s) -> TChartBrush& { return s.Brush; }, BrushProperties());
        t.Bool("WireFrame", &S::WireFrame, &S::SetWireFrame);
        t.Bool("DotFrame", &S::DotFrame, &S::SetDotFrame);
        return t;
    }();
    return table;
}

const PropertyTable<TContourSeries>& ContourProperties() {
    static const PropertyTable<TContourSeries> table = [] {
        using S = TContourSeries;
        PropertyTable<S> t;
        t.Inherit(GridProperties());
        // Any stored count is taken; the setter keeps it to the level table's 1..251.
        t.Int("NumLevels", &S::NumLevels, &S::SetNumLevels, INT_MIN, INT_MAX);
        t.Double("YPosition", &S::YPosition, &S::SetYPosition);
        t.Bool("YPositionLevel", &S::YPositionLevel, &S::SetYPositionLevel);
        t.Object("Pen", [](S& s) -> TChartPen& { return s.Pen; }, PenProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TChartShape>& ShapeProperties() {
    static const PropertyTable<TChartShape> table = [] {
        using S = TChartShape;
        PropertyTable<S> t;
        t.Inherit(SeriesProperties());
        t.Enum("Style", &S::Style, &S::SetStyle, ShapeStyleNames);
        t.Enum("XYStyle", &S::XYStyle, &S::SetXYStyle, XYStyleNames);
        t.Enum("Alignment", &S::Alignment, &S::SetAlignment, AlignmentNames);
        SeriesColouredObject(t, "Brush", [](S& s) -> TChartBrush& { return s.Brush; }, BrushProperties());
        t.Object("Pen", [](S& s) -> TChartPen& { return s.Pen; }, PenProperties());
        t.FontValue("Font", &S::ShapeFont, &S::SetFont);
        t.Strings("Text", &S::Text, &S::SetText);
        t.Bool("Transparent", &S::Transparent, &S::SetTransparent);
        t.Bool("RoundRectangle", &S::RoundRectangle, &S::SetRoundRectangle);
        return t;
    }();
    return table;
}

const PropertyTable<TPolarSeries>& PolarProperties() {
    static const PropertyTable<TPolarSeries> table = [] {
        PropertyTable<TPolarSeries> t;
        PolarSettings(t);
        t.Int("RotationAngle", &TPolarSeries::RotationAngle, &TPolarSeries::SetRotationAngle, 0, 359);
        return t;
    }();
    return table;
}

const PropertyTable<TRadarSeries>& RadarProperties() {
    static const PropertyTable<TRadarSeries> table = [] {
        PropertyTable<TRadarSeries> t;
        PolarSettings(t);
        return t;
    }();
    return table;
}

const PropertyTable<TCandleSeries>& CandleProperties() {
    static const PropertyTable<TCandleSeries> table = [] {
        using S = TCandleSeries;
        PropertyTable<S> t;
        t.Inherit(SeriesProperties());
        t.Enum("CandleStyle", &S::CandleStyle, &S::SetCandleStyle, CandleStyleNames);
        t.Int("CandleWidth", &S::CandleWidth, &S::SetCandleWidth, INT_MIN, INT_MAX);
        t.Bool("Dark3D", &S::Dark3D, &S::SetDark3D);
        t.Colour("DownCloseColor", &S::DownCloseColor, &S::SetDownCloseColor);
        t.Bool("Draw3D", &S::Draw3D, &S::SetDraw3D);
        t.Object("Pen", [](S& s) -> TChartPen& { return s.Pen(); }, PenProperties());
        t.Bool("ShowCloseTick", &S::ShowCloseTick, &S::SetShowCloseTick);
        t.Bool("ShowOpenTick", &S::ShowOpenTick, &S::SetShowOpenTick);
        t.Colour("UpCloseColor", &S::UpCloseColor, &S::SetUpCloseColor);
        t.Object("HighValues", [](S& s) -> TChartValueList& { return *s.HighValues; }, ValueListProperties());
        t.Object("LowValues", [](S& s) -> TChartValueList& { return *s.LowValues; }, ValueListProperties());
        t.Object("CloseValues", [](S& s) -> TChartValueList& { return *s.CloseValues; }, ValueListProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TVolumeSeries>& VolumeProperties() {
    static const PropertyTable<TVolumeSeries> table = [] {
        PropertyTable<TVolumeSeries> t;
        t.Inherit(SeriesProperties());
        t.Object("LinePen", [](TVolumeSeries& s) -> TChartPen& { return s.LinePen; }, PenProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TErrorSeries>& ErrorProperties() {
    static const PropertyTable<TErrorSeries> table = [] {
        PropertyTable<TErrorSeries> t;
        ErrorSettings(t);
        t.Enum("ErrorStyle", &TErrorSeries::ErrorStyle, &TErrorSeries::SetErrorStyle, ErrorStyleNames);
        return t;
    }();
    return table;
}

const PropertyTable<TErrorBarSeries>& ErrorBarProperties() {
    static const PropertyTable<TErrorBarSeries> table = [] {
        PropertyTable<TErrorBarSeries> t;
        ErrorSettings(t);
        return t;
    }();
    return table;
}

// ------------------------------------------------------------ point 3D, bubble, arrow, gantt, Bezier

const PropertyTable<TPoint3DSeries>& Point3DProperties() {
    static const PropertyTable<TPoint3DSeries> table = [] {
        using S = TPoint3DSeries;
        PropertyTable<S> t;
        t.Inherit(Custom3DProperties());
        t.Object("Pointer", [](S& s) -> TSeriesPointer& { return s.Pointer; }, PointerProperties());
        t.Object("LinePen", [](S& s) -> TChartPen& { return s.LinePen; }, PenProperties());
        t.Double("DepthSize", &S::DepthSize, &S::SetDepthSize);
        return t;
    }();
    return table;
}

const PropertyTable<TBubbleSeries>& BubbleProperties() {
    static const PropertyTable<TBubbleSeries> table = [] {
        using S = TBubbleSeries;
        PropertyTable<S> t;
        t.Inherit(PointProperties());
        t.Object("RadiusValues", [](S& s) -> TChartValueList& { return *s.RadiusValues; }, ValueListProperties());
        t.Bool("Squared", &S::Squared, &S::SetSquared);
        return t;
    }();
    return table;
}

const PropertyTable<TArrowSeries>& ArrowProperties() {
    static const PropertyTable<TArrowSeries> table = [] {
        using S = TArrowSeries;
        PropertyTable<S> t;
        t.Inherit(PointProperties());
        t.Object("EndXValues", [](S& s) -> TChartValueList& { return *s.EndXValues; }, ValueListProperties());
        t.Object("EndYValues", [](S& s) -> TChartValueList& { return *s.EndYValues; }, ValueListProperties());
        t.Int("ArrowWidth", &S::ArrowWidth, &S::SetArrowWidth, 1, 1000000);
        t.Int("ArrowHeight", &S::ArrowHeight, &S::SetArrowHeight, 1, 1000000);
        return t;
    }();
    return table;
}

const PropertyTable<TGanttSeries>& GanttProperties() {
    static const PropertyTable<TGanttSeries> table = [] {
        using S = TGanttSeries;
        PropertyTable<S> t;
        t.Inherit(PointProperties());
        t.Object("EndValues", [](S& s) -> TChartValueList& { return *s.EndValues; }, ValueListProperties());
        t.Object("NextTask", [](S& s) -> TChartValueList& { return *s.NextTask; }, ValueListProperties());
        t.Object("ConnectingPen", [](S& s) -> TChartPen& { return s.ConnectingPen; }, PenProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TBezierSeries>& BezierProperties() {
    static const PropertyTable<TBezierSeries> table = [] {
        using S = TBezierSeries;
        PropertyTable<S> t;
        t.Inherit(SeriesProperties());
        SeriesColouredObject(t, "LinePen", [](S& s) -> TChartPen& { return s.LinePen; }, PenProperties());
        t.Object("Pointer", [](S& s) -> TSeriesPointer& { return s.Pointer; }, PointerProperties());
        // A count from a file is kept to what a curve can show: more pieces than pixels draw nothing more.
        t.Int("NumBezierPoints", &S::NumBezierPoints, &S::SetNumBezierPoints, 2, 10000);
        return t;
    }();
    return table;
}

void RegisterExtendedSeriesTypes() {
    RegisterSeriesType(
        RegisterChartClass<TSurfaceSeries>("TSurfaceSeries", SurfaceProperties(), "TCustom3DGridSeries"),
        "Surface", "Extended", 1);
    RegisterSeriesType(
        RegisterChartClass<TContourSeries>("TContourSeries", ContourProperties(), "TCustom3DGridSeries"),
        "Contour", "Extended", 1);
    RegisterSeriesType(
        RegisterChartClass<TChartShape>("TChartShape", ShapeProperties(), "TChartSeries"), "Shape", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TPoint3DSeries>("TPoint3DSeries", Point3DProperties(), "TCustom3DSeries"),
        "Point 3D", "Extended", 1);
    RegisterSeriesType(
        RegisterChartClass<TBubbleSeries>("TBubbleSeries", BubbleProperties(), "TPointSeries"),
        "Bubble", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TArrowSeries>("TArrowSeries", ArrowProperties(), "TPointSeries"), "Arrow", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TGanttSeries>("TGanttSeries", GanttProperties(), "TPointSeries"), "Gantt", "Standard", 1);
    RegisterSeriesType(
        RegisterChartClass<TBezierSeries>("TBezierSeries", BezierProperties(), "TCustomSeries"),
        "Bezier", "Extended", 1);

    RegisterSeriesType(
        RegisterChartClass<TPolarSeries>("TPolarSeries", PolarProperties(), "TCustomPolarSeries"),
        "Polar", "Extended", 2);
    RegisterSeriesType(
        RegisterChartClass<TRadarSeries>("TRadarSeries", RadarProperties(), "TCustomPolarSeries"),
        "Radar", "Extended", 2);
    RegisterSeriesType(
        RegisterChartClass<TCandleSeries>("TCandleSeries", CandleProperties(), "TOHLCSeries"), "Candle", "Extended", 1);
    RegisterSeriesType(
        RegisterChartClass<TVolumeSeries>("TVolumeSeries", VolumeProperties(), "TCustomSeries"),
        "Volume", "Extended", 1);
    RegisterSeriesType(
        RegisterChartClass<TErrorBarSeries>("TErrorBarSeries", ErrorBarProperties(), "TCustomErrorSeries"),
        "Error Bar", "Extended", 1);
    RegisterSeriesType(
        RegisterChartClass<TErrorSeries>("TErrorSeries", ErrorProperties(), "TCustomErrorSeries"),
        "Error", "Extended", 1);
}

}  // namespace fv
