// The chart's walls (back, left, bottom) and titles (the title above, the foot below). A wall is drawn by
// the chart; a title draws itself and takes its lines out of the chart rectangle.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_panel.h"

namespace fv {

class TChartWall {
public:
    explicit TChartWall(TCustomChartPanel* chart);

    TChartBrush& Brush() { return brush; }
    void SetBrush(const TChartBrush& b) { brush.Assign(b); }
    TColor GetColor() const { return color; }
    void SetColor(TColor c) { Store(color, c); }
    bool Dark3D() const { return dark3D; }
    void SetDark3D(bool v) { Store(dark3D, v); }
    TChartPen& Pen() { return pen; }
    void SetPen(const TChartPen& p) { pen.Assign(p); }
    int Size() const { return size; }
    void SetSize(int v) { Store(size, v); }
    // The chart gives the left and bottom walls their own defaults; a colour equal to it is not stored.
    TColor DefaultColor = AutomaticColour;
    bool IsColorStored() const { return color != DefaultColor; }
    // The colour to paint with: the automatic colour stands for the wall's default.
    TColor ResolvedColor() const { return ResolveColor(color, DefaultColor); }
    void Assign(const TChartWall& other);

private:
    template <class T> void Store(T& field, T v) {
        if (field == v) return;
        field = v;
        chart->Invalidate();
    }
    TCustomChartPanel* chart;
    TChartBrush brush;
    TColor color = AutomaticColour;
    bool dark3D = true;
    TChartPen pen;
    int size = 0;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TChartTitle : public TChartFontObject {
public:
    explicit TChartTitle(TCustomChartPanel* chart);

    bool AdjustFrame() const { return adjustFrame; }
    void SetAdjustFrame(bool v) { Store(adjustFrame, v); }
    TAlignment Alignment() const { return alignment; }
    void SetAlignment(TAlignment v) { Store(alignment, v); }
    TChartBrush& Brush() { return brush; }
    void SetBrush(const TChartBrush& b) { brush.Assign(b); }
    TColor GetColor() const { return color; }
    void SetColor(TColor c) { Store(color, c); }
    TChartHiddenPen& Frame() { return frame; }
    void SetFrame(const TChartPen& p) { frame.Assign(p); }
    const std::vector<std::string>& Text() const { return text; }
    void SetText(std::vector<std::string> lines);
    bool Visible() const { return visible; }
    void SetVisible(bool v) { Store(visible, v); }

    // Blue and no style; the chart makes a foot's red and italic.
    TColor DefaultFontColor = ClBlue;
    unsigned DefaultFontStyle = 0;
    bool IsFontStored() const override;
    // Where the title was last drawn.
    PixelRect TitleRect;

    // Draws the title at the top of the chart rectangle (a title) or at its bottom (a foot) and takes its
    // lines, and 5 pixels, out of `PlotRect`.
    void DrawTitle(bool atTop);
    void Assign(const TChartTitle& other);

private:
    template <class T> void Store(T& field, T v) {
        if (field == v) return;
        field = v;
        parent->Invalidate();
    }
    bool adjustFrame = true;
    TAlignment alignment = TAlignment::taCenter;
    TChartBrush brush;
    TColor color = AutomaticColour;
    TChartHiddenPen frame;
    std::vector<std::string> text;
    bool visible = true;
};

// Whether a visible title's last drawing covers the point.
bool TitleContains(const TChartTitle& title, int x, int y);

}  // namespace fv
