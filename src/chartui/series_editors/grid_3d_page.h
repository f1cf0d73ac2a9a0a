// The "Grid 3D" page of the 3D grid series (surface, contour): how cells are coloured (the series' colour,
// a colour range between two colours, or a stepped palette) and the size of the grid.
//
// Rules:
// - The grid size fields are enabled only when the series can make its own points (a Y value handler,
//   a chart being designed, or sample mode); a new size refills the grid.
// - A palette step count is taken only from a non-empty text.
#pragma once

#include "chart/extended/grid_series.h"
#include "chartui/series_editors/series_editors.h"
#include "platform/ui/radio_button.h"

namespace fv {

class TGrid3DSeriesEditor : public TSeriesEditorForm {
public:
    TGrid3DSeriesEditor(Component* owner, Program& program, TChartSeries& series);

    GroupBox* GBColor;
    RadioButton* RGColor;
    Shape* Shape1;
    RadioButton* RGRange;
    Shape* Shape2;
    Shape* Shape3;
    RadioButton* RGPalette;
    Edit* SEPalette;
    UpDown* UDPalette;
    GroupBox* GBGrid;
    Edit* SEXGrid;
    UpDown* UDXGrid;
    Edit* SEZGrid;
    UpDown* UDZGrid;
    Edit* EDepth;
    UpDown* UDDepth;

    TCustom3DGridSeries& Series;

    void FormShow(Component* sender);
    void SEZGridChange(Component* sender);
    void EDepthChange(Component* sender);
    void SEPaletteChange(Component* sender);
    void RGColorClick(Component* sender);
    void RGRangeClick(Component* sender);
    void RGPaletteClick(Component* sender);
    void Shape1MouseUp();
    void Shape2MouseUp();
    void Shape3MouseUp();

private:
    void RefreshSwatches();
};

// The grid page as tab "Grid 3D" (after "Format") of the page that owns `editor`; nothing without a page.
void AddGrid3DPage(Form& editor, TCustom3DGridSeries& series);

}  // namespace fv
