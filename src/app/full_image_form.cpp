// The full image view: the picture box takes the picture's size (within the screen's room), the window
// takes the box's.
#include "app/full_image_form.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/image.h"
#include "platform/ui/panel.h"

#include <algorithm>

namespace fv {

namespace {
constexpr int MinWidth = 200, MinHeight = 120;
constexpr int MaxWidth = 1000, MaxHeight = 680;
constexpr int ButtonRow = 40;
}  // namespace

TFullImageForm::TFullImageForm(Component* owner, Program& program) : ProgramForm(owner, program, "FullImageForm") {
    SetCaption("Full Image");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, MinWidth + 16, MinHeight + 16 + ButtonRow);
    MainPanel->BevelOuter = BevelKind::None;
    Image = Add<fv::Image>(MainPanel, "Image", 8, 8, MinWidth, MinHeight);
    Image->SetStretch(true);
    // The box never gets smaller than the room for its button: a small picture keeps its shape in it.
    Image->Proportional = true;
    BitBtn1 = Add<BitBtn>(MainPanel, "BitBtn1", 8, MinHeight + 16, 75, 25, "OK");
    BitBtn1->ButtonKind = BitBtn::BtnKind::Ok;
    BitBtn1->ModalResult = MrOk;
    BitBtn1->Default = true;
    BitBtn1->Cancel = true;
    SizeToContainer(*MainPanel);
    Hide();
}

void TFullImageForm::ShowPicture(const BitmapPtr& picture) {
    BitmapPtr copy = picture ? std::make_shared<Bitmap>(*picture) : std::make_shared<Bitmap>();
    // The box takes the picture's own size; a picture larger than the room is scaled into it.
    int width = std::clamp(copy->Width, MinWidth, MaxWidth);
    int height = std::clamp(copy->Height, MinHeight, MaxHeight);
    if (copy->Width > MaxWidth || copy->Height > MaxHeight) {
        const double scale = std::min(double(MaxWidth) / copy->Width, double(MaxHeight) / copy->Height);
        width = std::max(MinWidth, int(copy->Width * scale));
        height = std::max(MinHeight, int(copy->Height * scale));
    }
    Image->SetBounds(8, 8, width, height);
    Image->SetPicture(copy);
    BitBtn1->SetBounds((width + 16 - 75) / 2, height + 16, 75, 25);
    MainPanel->SetBounds(0, 0, width + 16, height + 16 + ButtonRow);
    SizeToContainer(*MainPanel);
    ShowModal();
}

}  // namespace fv
