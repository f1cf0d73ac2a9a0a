// What the standard series types store, and their registration.
#include "chart/series/series_registration.h"

#include "chart/chart_properties.h"
#include "chart/series_types.h"

namespace fv {
namespace {

const EnumNames<BrushStyle> BrushStyleNames = {
    {BrushStyle::Solid, "bsSolid"},         {BrushStyle::Clear, "bsClear"},         {BrushStyle::Horizontal, "bsHorizontal"},
    {BrushStyle::Vertical, "bsVertical"},   {BrushStyle::FDiagonal, "bsFDiagonal"}, {BrushStyle::BDiagonal, "bsBDiagonal"},
    {BrushStyle::Cross, "bsCross"},         {BrushStyle::DiagCross, "bsDiagCross"}};
const EnumNames<TSeriesPointerStyle> PointerStyleNames = {
    {psRectangle, "psRectangle"}, {psCircle, "psCircle"},       {psTriangle, "psTriangle"},
    {psDownTriangle, "psDownTriangle"}, {psCross, "psCross"},   {psDiagCross, "psDiagCross"},
    {psStar, "psStar"},           {psDiamond, "psDiamond"},     {psSmallDot, "psSmallDot"}};
const EnumNames<TMultiArea> MultiAreaNames = {{maNone, "maNone"}, {maStacked, "maStacked"}, {maStacked100, "maStacked100"}};
const EnumNames<TBarStyle> BarStyleNames = {
    {bsRectangle, "bsRectangle"}, {bsPyramid, "bsPyramid"}, {bsInvPyramid, "bsInvPyramid"}, {bsCilinder, "bsCilinder"},
    {bsEllipse, "bsEllipse"},     {bsArrow, "bsArrow"},     {bsRectGradient, "bsRectGradient"}};
const EnumNames<TMultiBar> MultiBarNames = {{mbNone, "mbNone"}, {mbSide, "mbSide"}, {mbStacked, "mbStacked"}, {mbStacked100, "mbStacked100"}};
const EnumNames<TPieOtherStyle> OtherStyleNames = {{poNone, "poNone"}, {poBelowPercent, "poBelowPercent"}, {poBelowValue, "poBelowValue"}};

const PropertyTable<TPieOtherSlice>& OtherSliceProperties() {
    static const PropertyTable<TPieOtherSlice> table = [] {
        using O = TPieOtherSlice;
        PropertyTable<O> t;
        t.Enum("Style", &O::Style, &O::SetStyle, OtherStyleNames);
        t.String("Text", &O::Text, &O::SetText);
        t.Double("Value", &O::Value, &O::SetValue);
        return t;
    }();
    return table;
}

// The settings of the line-type base that a published type stores; each type names its own.
template <class T> void CommonLineSettings(PropertyTable<T>& t) {
    t.Bool("Dark3D", &T::Dark3D, &T::SetDark3D);
    t.Bool("InvertedStairs", &T::InvertedStairs, &T::SetInvertedStairs);
    t.Object("LinePen", [](T& s) -> TChartPen& { return s.LinePen; }, PenProperties());
    t.Bool("Stairs", &T::Stairs, &T::SetStairs);
}

template <class T> void BarSettings(PropertyTable<T>& t, const char* customWidthName) {
    t.Inherit(SeriesProperties());
    t.Bool("AutoBarSize", &T::AutoBarSize, &T::SetAutoBarSize);
    t.Bool("AutoMarkPosition", &T::AutoMarkPosition, &T::SetAutoMarkPosition);
    t.Object("BarBrush", [](T& s) -> TChartBrush& { return s.BarBrush; }, BrushProperties());
    t.Object("BarPen", [](T& s) -> TChartPen& { return s.BarPen; }, PenProperties());
    t.Enum("BarStyle", &T::BarStyle, &T::SetBarStyle, BarStyleNames);
    t.Int("BarWidthPercent", &T::BarWidthPercent, &T::SetBarWidthPercent, 1, 100);
    t.Int(customWidthName, &T::CustomBarWidth, &T::SetCustomBarWidth, -1000000, 1000000);
    t.Bool("Dark3D", &T::Dark3D, &T::SetDark3D);
    t.Enum("MultiBar", &T::MultiBar, &T::SetMultiBar, MultiBarNames);
    t.Int("OffsetPercent", &T::OffsetPercent, &T::SetOffsetPercent, -100, 100);
    t.Bool("SideMargins", &T::SideMargins, &T::SetSideMargins);
    t.Bool("UseYOrigin", &T::UseYOrigin, &T::SetUseYOrigin);
    t.Double("YOrigin", &T::YOrigin, &T::SetYOrigin);
}

}  // namespace

const PropertyTable<TSeriesPointer>& PointerProperties() {
    static const PropertyTable<TSeriesPointer> table = [] {
        using P = TSeriesPointer;
        PropertyTable<P> t;
        t.Object("Brush", [](P& p) -> TChartBrush& { return p.Brush; }, BrushProperties());
        t.Bool("Dark3D", &P::Dark3D, &P::SetDark3D);
        t.Bool("Draw3D", &P::Draw3D, &P::SetDraw3D);
        t.Int("HorizSize", &P::HorizSize, &P::SetHorizSize, 1, 1000000);
        t.Bool("InflateMargins", &P::InflateMargins, &P::SetInflateMargins);
        t.Object("Pen", [](P& p) -> TChartPen& { return p.Pen; }, PenProperties());
        t.Enum("Style", &P::Style, &P::SetStyle, PointerStyleNames);
        t.Int("VertSize", &P::VertSize, &P::SetVertSize, 1, 1000000);
        t.Bool("Visible", &P::Visible, &P::SetVisible);
        return t;
    }();
    return table;
}

const PropertyTable<TLineSeries>& LineProperties() {
    static const PropertyTable<TLineSeries> table = [] {
        using L = TLineSeries;
        PropertyTable<L> t;
        t.Inherit(SeriesProperties());
        CommonLineSettings(t);
        t.Enum("LineBrush", &L::LineBrush, &L::SetLineBrush, BrushStyleNames);
        t.Int("LineHeight", &L::LineHeight, &L::SetLineHeight, -1000000, 1000000);
        t.Object("Pointer", [](L& s) -> TSeriesPointer& { return s.Pointer; }, PointerProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TPointSeries>& PointProperties() {
    static const PropertyTable<TPointSeries> table = [] {
        PropertyTable<TPointSeries> t;
        t.Inherit(SeriesProperties());
        t.Object("Pointer", [](TPointSeries& s) -> TSeriesPointer& { return s.Pointer; }, PointerProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TAreaSeries>& AreaProperties() {
    static const PropertyTable<TAreaSeries> table = [] {
        using A = TAreaSeries;
        PropertyTable<A> t;
        t.Inherit(SeriesProperties());
        t.Enum("AreaBrush", &A::AreaBrush, &A::SetAreaBrush, BrushStyleNames);
        t.Colour("AreaColor", &A::AreaColor, &A::SetAreaColor);
        t.Object("AreaLinesPen", [](A& s) -> TChartPen& { return s.AreaLinesPen; }, PenProperties());
        t.Bool("DrawArea", &A::DrawArea, &A::SetDrawArea);
        CommonLineSettings(t);
        t.Enum("MultiArea", &A::MultiArea, &A::SetMultiArea, MultiAreaNames);
        return t;
    }();
    return table;
}

const PropertyTable<TBarSeries>& BarProperties() {
    static const PropertyTable<TBarSeries> table = [] {
        PropertyTable<TBarSeries> t;
        BarSettings(t, "CustomBarWidth");
        return t;
    }();
    return table;
}

const PropertyTable<THorizBarSeries>& HorizBarProperties() {
    static const PropertyTable<THorizBarSeries> table = [] {
        PropertyTable<THorizBarSeries> t;
        BarSettings(t, "CustomBarHeight");
        return t;
    }();
    return table;
}

const PropertyTable<TPieSeries>& PieProperties() {
    static const PropertyTable<TPieSeries> table = [] {
        using P = TPieSeries;
        PropertyTable<P> t;
        t.Inherit(SeriesProperties());
        t.Colour("CircleBackColor", &P::CircleBackColor, &P::SetCircleBackColor);
        t.Bool("Circled", &P::Circled, &P::SetCircled);
        t.Int("CustomXRadius", &P::CustomXRadius, &P::SetCustomXRadius, 0, 1000000);
        t.Int("CustomYRadius", &P::CustomYRadius, &P::SetCustomYRadius, 0, 1000000);
        t.Bool("Dark3D", &P::Dark3D, &P::SetDark3D);
        t.Int("ExplodeBiggest", &P::ExplodeBiggest, &P::SetExplodeBiggest, -TExplodedSlices::MaxDistance,
              TExplodedSlices::MaxDistance);
        // The list as it is set: a distance below 1 explodes nothing.
        t.Ints("ExplodedSlices", [](const P& p) { return p.ExplodedSlices.Values(); },
               [](P& p, std::vector<std::int32_t> v) { p.ExplodedSlices.SetValues(std::move(v)); },
               -TExplodedSlices::MaxDistance, TExplodedSlices::MaxDistance);
        t.Object("OtherSlice", [](P& s) -> TPieOtherSlice& { return s.OtherSlice; }, OtherSliceProperties());
        t.Object("PiePen", [](P& s) -> TChartPen& { return s.PiePen; }, PenProperties());
        t.Int("RotationAngle", &P::RotationAngle, &P::SetRotationAngle, 0, 359);
        t.Bool("UsePatterns", &P::UsePatterns, &P::SetUsePatterns);
        return t;
    }();
    return table;
}

void RegisterStandardSeriesTypes() {
    RegisterSeriesType(
        RegisterChartClass<TLineSeries>("TLineSeries", LineProperties(), "TCustomSeries"), "Line", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TBarSeries>("TBarSeries", BarProperties(), "TCustomBarSeries"), "Bar", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<THorizBarSeries>("THorizBarSeries", HorizBarProperties(), "TCustomBarSeries"),
        "Horiz. Bar", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TAreaSeries>("TAreaSeries", AreaProperties(), "TCustomSeries"), "Area", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TPointSeries>("TPointSeries", PointProperties(), "TCustomSeries"), "Point", "Standard", 2);
    RegisterSeriesType(
        RegisterChartClass<TPieSeries>("TPieSeries", PieProperties(), "TCircledSeries"), "Pie", "Standard", 1);
}

}  // namespace fv
