// Walls and titles: their settings and the drawing and layout of a title.
#include "chart/walls_titles.h"

#include <algorithm>

namespace fv {

TChartWall::TChartWall(TCustomChartPanel* chart)
    : chart(chart), brush([chart] { chart->Invalidate(); }), pen([chart] { chart->Invalidate(); }) {}

void TChartWall::Assign(const TChartWall& other) {
    brush.Assign(other.brush);
    color = other.color;
    dark3D = other.dark3D;
    pen.Assign(other.pen);
    size = other.size;
}

TChartTitle::TChartTitle(TCustomChartPanel* chart)
    : TChartFontObject(chart), brush([chart] { chart->Invalidate(); }), frame([chart] { chart->Invalidate(); }) {
    font.FontColor = DefaultFontColor;
}

void TChartTitle::SetText(std::vector<std::string> lines) {
    if (text == lines) return;
    text = std::move(lines);
    parent->Invalidate();
}

bool TChartTitle::IsFontStored() const {
    return font.Name != DefaultFontName || font.Size != DefaultFontSize || font.FontColor != DefaultFontColor || font.Style != DefaultFontStyle;
}

void TChartTitle::Assign(const TChartTitle& other) {
    adjustFrame = other.adjustFrame;
    alignment = other.alignment;
    brush.Assign(other.brush);
    color = other.color;
    frame.Assign(other.frame);
    text = other.text;
    visible = other.visible;
    TChartFontObject::Assign(other);
}

bool TitleContains(const TChartTitle& title, int x, int y) {
    // The rectangle's right and bottom edges belong to it: they are the frame's.
    const PixelRect& r = title.TitleRect;
    return title.Visible() && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void TChartTitle::DrawTitle(bool atTop) {
    TChartCanvas3D& c3 = parent->Canvas3D();
    Canvas& c = *c3.ReferenceCanvas();
    parent->SetCanvasFont(font);
    const int lh = c3.FontHeight();

    // The fill.
    const bool hatched = brush.Style() != BrushStyle::Solid && brush.Style() != BrushStyle::Clear;
    if (color == AutomaticColour) {
        if (hatched) {
            c.SetBrush(brush.CanvasBrush());
            c.SetBackMode(BackMode::Transparent);
        } else if (brush.Style() == BrushStyle::Solid && brush.GetColor() != AutomaticColour) {
            // A solid brush of its own colour becomes the title's colour (which repaints the chart).
            SetColor(brush.GetColor());
            c.SetBrush({color, BrushStyle::Solid, nullptr});
        } else {
            c.SetBrush({c.GetBrush().BrushColor, BrushStyle::Clear, nullptr});
        }
    } else if (hatched) {
        c.SetBrush(brush.CanvasBrush());
        c.SetBackMode(BackMode::Opaque);
        c.SetBackColor(color);
    } else {
        c.SetBrush({color, BrushStyle::Solid, nullptr});
    }

    // The frame.
    const bool framed = frame.Visible() && frame.GetColor() != AutomaticColour;
    const int fw = framed ? frame.Width() : 0;
    if (framed)
        c3.AssignVisiblePen(frame);
    else
        c.SetPen({c.GetPen().PenColor, 1, PenStyle::Clear, PenMode::Copy});

    const PixelRect& plot = parent->PlotRect;
    const int n = int(text.size());
    const int textTop = atTop ? plot.Top + fw : plot.Bottom - fw - n * lh;
    TitleRect = {plot.Left, textTop - fw, plot.Right, textTop + n * lh + fw};

    const int w = c3.TextWidth("W");
    if (framed || c.GetBrush().Style != BrushStyle::Clear) {
        if (adjustFrame) {
            int widest = 0;
            for (const auto& line : text) widest = std::max(widest, c3.TextWidth(line));
            const int width = w + widest;
            switch (alignment) {
            case TAlignment::taLeftJustify: TitleRect.Right = TitleRect.Left + width; break;
            case TAlignment::taRightJustify: TitleRect.Left = TitleRect.Right - width; break;
            case TAlignment::taCenter: {
                int mid = (TitleRect.Left + TitleRect.Right) / 2;
                TitleRect.Left = mid - width / 2;
                TitleRect.Right = mid + width / 2;
                break;
            }
            }
        }
        c3.RectangleOfRect(TitleRect);
    }

    c.SetBackMode(BackMode::Transparent);
    for (int k = 0; k < n; ++k) {
        // A title reads down from its top edge; a foot is laid up from its bottom edge, last line first.
        const int i = atTop ? k : n - 1 - k;
        const std::string& line = text[std::size_t(i)];
        const int tw = c3.TextWidth(line);
        int x = 0;
        switch (alignment) {
        case TAlignment::taLeftJustify: x = plot.Left + fw + w / 2; break;
        case TAlignment::taRightJustify: x = plot.Right - fw - tw - w / 2; break;
        case TAlignment::taCenter: x = ((plot.Left + fw) + (plot.Right - fw)) / 2 - tw / 2; break;
        }
        c3.TextOut(x, textTop + i * lh, line);
    }

    if (atTop)
        parent->PlotRect.Top = textTop + n * lh + fw + 5;
    else
        parent->PlotRect.Bottom = textTop - fw - 5;
    parent->UpdatePlotSize();
}

}  // namespace fv
