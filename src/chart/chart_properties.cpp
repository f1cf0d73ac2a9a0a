// The property tables of the panel, the axis panel, axes, walls, titles, pens, brushes and 3D options.
// Every number that sizes a loop or a drawing has a range, so a damaged file cannot make a chart that
// draws for ever or overflows its pixels.
#include "chart/chart_properties.h"

namespace fv {
namespace {

// Pixel sizes that any screen or printer page holds.
constexpr int MaxPixels = 10000;

const EnumNames<PenStyle> PenStyleNames = {
    {PenStyle::Solid, "psSolid"},       {PenStyle::Dash, "psDash"},
    {PenStyle::Dot, "psDot"},           {PenStyle::DashDot, "psDashDot"},
    {PenStyle::DashDotDot, "psDashDotDot"}, {PenStyle::Clear, "psClear"},
    {PenStyle::InsideFrame, "psInsideFrame"}, {PenStyle::SmallDots, "psSmallDots"}};
const EnumNames<PenMode> PenModeNames = {
    {PenMode::Copy, "pmCopy"}, {PenMode::NotXor, "pmNotXor"}, {PenMode::Xor, "pmXor"}, {PenMode::Not, "pmNot"}};
const EnumNames<BrushStyle> BrushStyleNames = {
    {BrushStyle::Solid, "bsSolid"},         {BrushStyle::Clear, "bsClear"},
    {BrushStyle::Horizontal, "bsHorizontal"}, {BrushStyle::Vertical, "bsVertical"},
    {BrushStyle::FDiagonal, "bsFDiagonal"}, {BrushStyle::BDiagonal, "bsBDiagonal"},
    {BrushStyle::Cross, "bsCross"},         {BrushStyle::DiagCross, "bsDiagCross"}};
const EnumNames<TGradientDirection> GradientNames = {
    {TGradientDirection::gdTopBottom, "gdTopBottom"},     {TGradientDirection::gdBottomTop, "gdBottomTop"},
    {TGradientDirection::gdLeftRight, "gdLeftRight"},     {TGradientDirection::gdRightLeft, "gdRightLeft"},
    {TGradientDirection::gdFromCenter, "gdFromCenter"},   {TGradientDirection::gdFromTopLeft, "gdFromTopLeft"},
    {TGradientDirection::gdFromBottomLeft, "gdFromBottomLeft"}};
const EnumNames<TPanningMode> PanningNames = {{TPanningMode::pmNone, "pmNone"},
                                              {TPanningMode::pmHorizontal, "pmHorizontal"},
                                              {TPanningMode::pmVertical, "pmVertical"},
                                              {TPanningMode::pmBoth, "pmBoth"}};
const EnumNames<TChartBackImageMode> BackImageModeNames = {{TChartBackImageMode::pbmStretch, "pbmStretch"},
                                                           {TChartBackImageMode::pbmTile, "pbmTile"},
                                                           {TChartBackImageMode::pbmCenter, "pbmCenter"}};
const EnumNames<TAxisLabelStyle> LabelStyleNames = {
    {TAxisLabelStyle::talAuto, "talAuto"}, {TAxisLabelStyle::talNone, "talNone"},
    {TAxisLabelStyle::talValue, "talValue"}, {TAxisLabelStyle::talMark, "talMark"},
    {TAxisLabelStyle::talText, "talText"}};
const EnumNames<TSeriesMarksStyle> MarksStyleNames = {
    {TSeriesMarksStyle::smsValue, "smsValue"},           {TSeriesMarksStyle::smsPercent, "smsPercent"},
    {TSeriesMarksStyle::smsLabel, "smsLabel"},           {TSeriesMarksStyle::smsLabelPercent, "smsLabelPercent"},
    {TSeriesMarksStyle::smsLabelValue, "smsLabelValue"}, {TSeriesMarksStyle::smsLegend, "smsLegend"},
    {TSeriesMarksStyle::smsPercentTotal, "smsPercentTotal"},
    {TSeriesMarksStyle::smsLabelPercentTotal, "smsLabelPercentTotal"}, {TSeriesMarksStyle::smsXValue, "smsXValue"}};
const EnumNames<TAlignment> AlignmentNames = {{TAlignment::taLeftJustify, "taLeftJustify"},
                                              {TAlignment::taRightJustify, "taRightJustify"},
                                              {TAlignment::taCenter, "taCenter"}};

const EnumNames<TLegendAlignment> LegendAlignmentNames = {
    {TLegendAlignment::laLeft, "laLeft"}, {TLegendAlignment::laRight, "laRight"},
    {TLegendAlignment::laTop, "laTop"},   {TLegendAlignment::laBottom, "laBottom"}};
const EnumNames<TLegendStyle> LegendStyleNames = {{TLegendStyle::lsAuto, "lsAuto"}, {TLegendStyle::lsSeries, "lsSeries"},
                                                  {TLegendStyle::lsValues, "lsValues"},
                                                  {TLegendStyle::lsLastValues, "lsLastValues"}};
const EnumNames<TLegendTextStyle> LegendTextStyleNames = {
    {ltsPlain, "ltsPlain"},           {ltsLeftValue, "ltsLeftValue"},       {ltsRightValue, "ltsRightValue"},
    {ltsLeftPercent, "ltsLeftPercent"}, {ltsRightPercent, "ltsRightPercent"}, {ltsXValue, "ltsXValue"}};

}  // namespace

const PropertyTable<TChartPen>& PenProperties() {
    static const PropertyTable<TChartPen> table = [] {
        using P = TChartPen;
        PropertyTable<P> t;
        t.Colour("Color", &P::GetColor, &P::SetColor);
        t.Int("Width", &P::Width, &P::SetWidth, 0, 100);
        t.Enum("Style", &P::Style, &P::SetStyle, PenStyleNames);
        t.Enum("Mode", &P::Mode, &P::SetMode, PenModeNames);
        t.Bool("SmallDots", &P::SmallDots, &P::SetSmallDots);
        t.Bool("Visible", &P::Visible, &P::SetVisible);
        return t;
    }();
    return table;
}

const PropertyTable<TChartBrush>& BrushProperties() {
    static const PropertyTable<TChartBrush> table = [] {
        using B = TChartBrush;
        PropertyTable<B> t;
        t.Colour("Color", &B::GetColor, &B::SetColor);
        t.Enum("Style", &B::Style, &B::SetStyle, BrushStyleNames);
        return t;
    }();
    return table;
}

const PropertyTable<TView3DOptions>& View3DProperties() {
    static const PropertyTable<TView3DOptions> table = [] {
        using V = TView3DOptions;
        PropertyTable<V> t;
        t.Int("Elevation", &V::Elevation, &V::SetElevation, 0, 360);
        t.Int("HorizOffset", &V::HorizOffset, &V::SetHorizOffset, -MaxPixels, MaxPixels);
        t.Bool("Orthogonal", &V::Orthogonal, &V::SetOrthogonal);
        t.Int("Rotation", &V::Rotation, &V::SetRotation, 0, 360);
        t.Int("Tilt", &V::Tilt, &V::SetTilt, 0, 360);
        t.Int("VertOffset", &V::VertOffset, &V::SetVertOffset, -MaxPixels, MaxPixels);
        t.Int("Zoom", &V::Zoom, &V::SetZoom, 1, 1000);
        t.Bool("ZoomText", &V::ZoomText, &V::SetZoomText);
        return t;
    }();
    return table;
}

const PropertyTable<TChartGradient>& GradientProperties() {
    static const PropertyTable<TChartGradient> table = [] {
        using G = TChartGradient;
        PropertyTable<G> t;
        t.Enum("Direction", &G::Direction, &G::SetDirection, GradientNames);
        t.Colour("EndColor", &G::EndColor, &G::SetEndColor);
        t.Colour("StartColor", &G::StartColor, &G::SetStartColor);
        t.Bool("Visible", &G::Visible, &G::SetVisible);
        return t;
    }();
    return table;
}

const PropertyTable<TCustomChartAxis>& AxisProperties() {
    static const PropertyTable<TCustomChartAxis> table = [] {
        using A = TCustomChartAxis;
        PropertyTable<A> t;
        PropertyTable<TChartAxisTitle> title;
        title.Int("Angle", &TChartAxisTitle::Angle, &TChartAxisTitle::SetAngle, 0, 359);
        title.String("Caption", &TChartAxisTitle::Caption, &TChartAxisTitle::SetCaption);
        title.FontValue("Font", &TChartAxisTitle::GetFont, &TChartAxisTitle::SetFont);

        t.Bool("Automatic", &A::Automatic, &A::SetAutomatic);
        t.Bool("AutomaticMaximum", &A::AutomaticMaximum, &A::SetAutomaticMaximum);
        t.Bool("AutomaticMinimum", &A::AutomaticMinimum, &A::SetAutomaticMinimum);
        // A fixed limit is kept only while it is in use.
        t.Double("Maximum", &A::Maximum, &A::SetMaximum, [](const A& a) { return !a.Automatic() && !a.AutomaticMaximum(); });
        t.Double("Minimum", &A::Minimum, &A::SetMinimum, [](const A& a) { return !a.Automatic() && !a.AutomaticMinimum(); });
        t.Double("Increment", &A::Increment, &A::SetIncrement);
        t.Int("LogarithmicBase", &A::LogarithmicBase, &A::SetLogarithmicBase, 2, 1000000);
        t.Bool("Logarithmic", &A::Logarithmic, &A::SetLogarithmic);
        t.Object("Axis", [](A& a) -> TChartPen& { return a.Axis; }, PenProperties());
        t.Object("Title", [](A& a) -> TChartAxisTitle& { return a.Title; }, title);
        t.Int("TitleSize", &A::TitleSize, &A::SetTitleSize, 0, MaxPixels);
        t.Object("Grid", [](A& a) -> TChartPen& { return a.Grid; }, PenProperties());
        t.Bool("GridCentered", &A::GridCentered, &A::SetGridCentered);
        t.Bool("Labels", &A::Labels, &A::SetLabels);
        t.Int("LabelsAngle", &A::LabelsAngle, &A::SetLabelsAngle, 0, 359);
        t.FontValue("LabelsFont", &A::LabelsFont, &A::SetLabelsFont);
        t.Bool("LabelsOnAxis", &A::LabelsOnAxis, &A::SetLabelsOnAxis);
        t.Int("LabelsSeparation", &A::LabelsSeparation, &A::SetLabelsSeparation, 0, 10000);
        t.Int("LabelsSize", &A::LabelsSize, &A::SetLabelsSize, 0, MaxPixels);
        t.Enum("LabelStyle", &A::LabelStyle, &A::SetLabelStyle, LabelStyleNames);
        t.String("AxisValuesFormat", &A::AxisValuesFormat, &A::SetAxisValuesFormat);
        t.String("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat);
        t.Bool("ExactDateTime", &A::ExactDateTime, &A::SetExactDateTime);
        t.Bool("RoundFirstLabel", &A::RoundFirstLabel, &A::SetRoundFirstLabel);
        t.Bool("LabelsMultiLine", &A::LabelsMultiLine, &A::SetLabelsMultiLine);
        // Minor ticks are drawn one by one between labels.
        t.Int("MinorTickCount", &A::MinorTickCount, &A::SetMinorTickCount, 0, 100);
        t.Int("MinorTickLength", &A::MinorTickLength, &A::SetMinorTickLength, -MaxPixels, MaxPixels);
        t.Object("MinorTicks", [](A& a) -> TChartPen& { return a.MinorTicks; }, PenProperties());
        t.Object("Ticks", [](A& a) -> TChartPen& { return a.Ticks; }, PenProperties());
        t.Object("TicksInner", [](A& a) -> TChartPen& { return a.TicksInner; }, PenProperties());
        t.Int("TickInnerLength", &A::TickInnerLength, &A::SetTickInnerLength, -MaxPixels, MaxPixels);
        t.Int("TickLength", &A::TickLength, &A::SetTickLength, -MaxPixels, MaxPixels);
        t.Bool("TickOnLabelsOnly", &A::TickOnLabelsOnly, &A::SetTickOnLabelsOnly);
        t.Bool("Inverted", &A::Inverted, &A::SetInverted);
        t.Bool("Visible", &A::Visible, &A::SetVisible);
        t.Double("StartPosition", &A::StartPosition, &A::SetStartPosition);
        t.Double("EndPosition", &A::EndPosition, &A::SetEndPosition);
        t.Double("PositionPercent", &A::PositionPercent, &A::SetPositionPercent);
        return t;
    }();
    return table;
}

const PropertyTable<TChartWall>& WallProperties() {
    static const PropertyTable<TChartWall> table = [] {
        using W = TChartWall;
        PropertyTable<W> t;
        t.Object("Brush", &W::Brush, BrushProperties());
        // The wall's own default colour is not stored, whatever the chart made it.
        t.Colour("Color", &W::GetColor, &W::SetColor, &W::IsColorStored);
        t.Bool("Dark3D", &W::Dark3D, &W::SetDark3D);
        t.Object("Pen", &W::Pen, PenProperties());
        t.Int("Size", &W::Size, &W::SetSize, 0, MaxPixels);
        return t;
    }();
    return table;
}

const PropertyTable<TChartTitle>& TitleProperties() {
    static const PropertyTable<TChartTitle> table = [] {
        using T = TChartTitle;
        PropertyTable<T> t;
        t.Bool("AdjustFrame", &T::AdjustFrame, &T::SetAdjustFrame);
        t.Enum("Alignment", &T::Alignment, &T::SetAlignment, AlignmentNames);
        t.Object("Brush", &T::Brush, BrushProperties());
        t.Colour("Color", &T::GetColor, &T::SetColor);
        t.FontValue("Font", &T::GetFont, &T::SetFont);
        t.Object("Frame", [](T& x) -> TChartPen& { return x.Frame(); }, PenProperties());
        t.Strings("Text", &T::Text, &T::SetText);
        t.Bool("Visible", &T::Visible, &T::SetVisible);
        return t;
    }();
    return table;
}

const PropertyTable<TCustomChartPanelExtended>& PanelProperties() {
    static const PropertyTable<TCustomChartPanelExtended> table = [] {
        using P = TCustomChartPanelExtended;
        PropertyTable<P> t;
        t.Colour("Color", &P::GetColor, &P::SetColor);
        t.Int("Chart3DPercent", &P::Chart3DPercent, &P::SetChart3DPercent, 1, 100);
        t.Bool("View3D", &P::View3D, &P::SetView3D);
        t.Object("View3DOptions", [](P& p) -> TView3DOptions& { return p.View3DOptions(); }, View3DProperties());
        // Margins are percents of the drawing.
        t.Int("MarginLeft", &P::MarginLeft, &P::SetMarginLeft, 0, 100);
        t.Int("MarginTop", &P::MarginTop, &P::SetMarginTop, 0, 100);
        t.Int("MarginRight", &P::MarginRight, &P::SetMarginRight, 0, 100);
        t.Int("MarginBottom", &P::MarginBottom, &P::SetMarginBottom, 0, 100);
        t.Bool("PrintProportional", &P::PrintProportional, &P::SetPrintProportional);
        // The print margins in percent: left, top, right, bottom, each pair leaving the chart room. A file
        // without them keeps the default margins.
        t.Ints("PrintMargins", [](const P& p) { return std::vector<std::int32_t>(p.PrintMargins.begin(), p.PrintMargins.end()); },
               [](P& p, const std::vector<std::int32_t>& v) {
                   if (v.size() != 4 || v[0] + v[2] >= 100 || v[1] + v[3] >= 100)
                       throw PropertyError("Invalid property value of PrintMargins");
                   p.PrintMargins = {v[0], v[1], v[2], v[3]};
               },
               0, 99);
        // A resolution of 100 or more leaves no printable size.
        t.Int("PrintResolution", &P::PrintResolution, &P::SetPrintResolution, -100, 99);
        t.Bool("BufferedDisplay", &P::BufferedDisplay, &P::SetBufferedDisplay);
        t.Bool("Monochrome", &P::Monochrome, &P::SetMonochrome);
        t.Enum("AllowPanning", [](const P& p) { return p.AllowPanning; }, [](P& p, TPanningMode v) { p.AllowPanning = v; },
               PanningNames);
        t.Bool("AllowZoom", [](const P& p) { return p.AllowZoom; }, [](P& p, bool v) { p.AllowZoom = v; });
        t.Bool("AnimatedZoom", [](const P& p) { return p.AnimatedZoom; }, [](P& p, bool v) { p.AnimatedZoom = v; });
        // Each step of an animated zoom draws the chart once.
        t.Int("AnimatedZoomSteps", [](const P& p) { return p.AnimatedZoomSteps; },
              [](P& p, int v) { p.AnimatedZoomSteps = v; }, 1, 100);
        t.Enum("BackImageMode", &P::BackImageMode, &P::SetBackImageMode, BackImageModeNames);
        t.Object("Gradient", [](P& p) -> TChartGradient& { return p.Gradient(); }, GradientProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TCustomAxisPanel>& AxisPanelProperties() {
    static const PropertyTable<TCustomAxisPanel> table = [] {
        using A = TCustomAxisPanel;
        PropertyTable<A> t;
        t.Inherit(PanelProperties());
        t.Bool("AxisVisible", &A::AxisVisible, &A::SetAxisVisible);
        t.Bool("ClipPoints", &A::ClipPoints, &A::SetClipPoints);
        t.Bool("View3DWalls", &A::View3DWalls, &A::SetView3DWalls);
        t.Int("MaxPointsPerPage", &A::MaxPointsPerPage, &A::SetMaxPointsPerPage, 0, 1 << 30);
        t.Bool("ScaleLastPage", &A::ScaleLastPage, &A::SetScaleLastPage);
        auto axis = [](TCustomChartAxis* (A::*which)() const) {
            return [which](A& a) -> TCustomChartAxis& { return *(a.*which)(); };
        };
        t.Object("BottomAxis", axis(&A::BottomAxis), AxisProperties());
        t.Object("LeftAxis", axis(&A::LeftAxis), AxisProperties());
        t.Object("RightAxis", axis(&A::RightAxis), AxisProperties());
        t.Object("TopAxis", axis(&A::TopAxis), AxisProperties());
        t.Object("DepthAxis", [](A& a) -> TCustomChartAxis& { return a.DepthAxis(); }, AxisProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TCustomChartLegend>& LegendProperties() {
    static const PropertyTable<TCustomChartLegend> table = [] {
        using L = TCustomChartLegend;
        PropertyTable<L> t;
        t.Enum("Alignment", &L::Alignment, &L::SetAlignment, LegendAlignmentNames);
        t.Object("Brush", [](L& l) -> TChartBrush& { return l.Brush(); }, BrushProperties());
        t.Colour("Color", &L::GetColor, &L::SetColor);
        t.Int("ColorWidth", &L::ColorWidth, &L::SetColorWidth, 0, 100);
        t.Object("DividingLines", [](L& l) -> TChartPen& { return l.DividingLines(); }, PenProperties());
        // The items before the first one shown are only counted, never laid out.
        t.Int("FirstValue", &L::FirstValue, &L::SetFirstValue, 0, 1 << 30);
        t.FontValue("Font", &L::GetFont, &L::SetFont);
        t.Object("Frame", [](L& l) -> TChartPen& { return l.Frame(); }, PenProperties());
        t.Int("HorizMargin", &L::HorizMargin, &L::SetHorizMargin, -MaxPixels, MaxPixels);
        t.Bool("Inverted", &L::Inverted, &L::SetInverted);
        t.Enum("LegendStyle", &L::LegendStyle, &L::SetLegendStyle, LegendStyleNames);
        // Rows are laid out one by one, and never more than there are items.
        t.Int("MaxNumRows", &L::MaxNumRows, &L::SetMaxNumRows, 0, 1 << 30);
        t.Bool("ResizeChart", &L::ResizeChart, &L::SetResizeChart);
        t.Colour("ShadowColor", &L::ShadowColor, &L::SetShadowColor);
        t.Int("ShadowSize", &L::ShadowSize, &L::SetShadowSize, -MaxPixels, MaxPixels);
        t.Enum("TextStyle", &L::TextStyle, &L::SetTextStyle, LegendTextStyleNames);
        t.Int("TopPos", &L::TopPos, &L::SetTopPos, 0, 100);
        t.Int("VertMargin", &L::VertMargin, &L::SetVertMargin, -MaxPixels, MaxPixels);
        t.Bool("Visible", &L::Visible, &L::SetVisible);
        return t;
    }();
    return table;
}

const PropertyTable<TCustomChart>& ChartProperties() {
    static const PropertyTable<TCustomChart> table = [] {
        using C = TCustomChart;
        PropertyTable<C> t;
        t.Inherit(AxisPanelProperties());
        t.Bool("BackImageInside", &C::BackImageInside, &C::SetBackImageInside);
        t.Object("Title", &C::Title, TitleProperties());
        t.Object("Foot", &C::Foot, TitleProperties());
        t.Object("BackWall", &C::BackWall, WallProperties());
        t.Object("LeftWall", &C::LeftWall, WallProperties());
        t.Object("BottomWall", &C::BottomWall, WallProperties());
        t.Object("Legend", [](C& c) -> TCustomChartLegend& { return c.Legend(); }, LegendProperties());
        return t;
    }();
    return table;
}

const PropertyTable<TSeriesMarks>& MarksProperties() {
    static const PropertyTable<TSeriesMarks> table = [] {
        using M = TSeriesMarks;
        PropertyTable<M> t;
        t.Object("Arrow", [](M& m) -> TChartPen& { return m.Arrow(); }, PenProperties());
        t.Int("ArrowLength", &M::ArrowLength, &M::SetArrowLength, -MaxPixels, MaxPixels);
        t.Colour("BackColor", &M::BackColor, &M::SetBackColor);
        t.Bool("Transparent", &M::Transparent, &M::SetTransparent);
        t.Bool("Clip", &M::Clip, &M::SetClip);
        t.Object("Frame", &M::Frame, PenProperties());
        t.FontValue("Font", &M::GetFont, &M::SetFont);
        t.Enum("Style", &M::Style, &M::SetStyle, MarksStyleNames);
        t.Bool("Visible", &M::Visible, &M::SetVisible);
        return t;
    }();
    return table;
}

}  // namespace fv
