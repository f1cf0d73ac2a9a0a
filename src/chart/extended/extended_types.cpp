// The property tables of the grid and shape series and their registration.
#include "chart/extended/extended_types.h"

#include <climits>

#include "chart/chart_properties.h"
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
        t.Object("Brush", [](S& s) -> TChartBrush& { return s.Brush; }, BrushProperties());
        t.Object("Pen", [](S& s) -> TChartPen& { return s.Pen; }, PenProperties());
        t.FontValue("Font", &S::ShapeFont, &S::SetFont);
        t.Strings("Text", &S::Text, &S::SetText);
        t.Bool("Transparent", &S::Transparent, &S::SetTransparent);
        t.Bool("RoundRectangle", &S::RoundRectangle, &S::SetRoundRectangle);
        return t;
    }();
    return table;
}

void RegisterExtendedSeriesTypes() {
    RegisterSeriesType(RegisterChartClass<TSurfaceSeries>("TSurfaceSeries", SurfaceProperties()), "Surface", "Extended", 1);
    RegisterSeriesType(RegisterChartClass<TContourSeries>("TContourSeries", ContourProperties()), "Contour", "Extended", 1);
    RegisterSeriesType(RegisterChartClass<TChartShape>("TChartShape", ShapeProperties()), "Shape", "Standard", 2);
}

}  // namespace fv
