// The "Panel" page of the chart editor: the chart panel's bevels and border, its colour, the gradient
// behind it and its back image. Every control writes into the chart at once.
//
// Rules of the page:
// - The gradient's direction, colour buttons and swatches are offered only while the gradient is visible.
// - The image's style and "Inside" are offered only while the chart has a back image; the browse button
//   then reads "Clea&r" and clears it, else it reads "B&rowse..." and loads a picture file. A file that is
//   no picture is refused with a message and the chart keeps what it had.
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/shape.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChartPanel : public TChartPageForm {
public:
    TFormChartPanel(Component* owner, Program& program, TCustomChart& chart);

    RadioGroup* RGBevelIn;
    RadioGroup* RGBevelOut;
    Edit* SEPanelWi;
    UpDown* UDPanelWi;
    Edit* SEPanelBor;
    UpDown* UDPanelBor;
    CheckBox* CBPanelBorder;
    Button* BPanelColor;
    GroupBox* GB4;
    CheckBox* CBGradVisible;
    Button* BGradientStart;
    Shape* Shape1;
    Button* BGradientEnd;
    Shape* Shape2;
    ComboBox* ComboBox1;
    GroupBox* GB6;
    RadioGroup* RGBitmap;
    CheckBox* CBImageInside;
    Button* BBrowseImage;

    void FormShow(Component* sender);
    void BGradientStartClick(Component* sender);
    void BGradientEndClick(Component* sender);
    void BBrowseImageClick(Component* sender);

private:
    void ShowGradient();
    void ShowImage();
    // Stores a panel setting when it differs and repaints the chart.
    template <class T> void SetPanel(T& field, T value) {
        if (field == value) return;
        field = value;
        chart_.Invalidate();
    }

    TCustomChart& chart_;
    bool loading_ = true;
};

}  // namespace fv
