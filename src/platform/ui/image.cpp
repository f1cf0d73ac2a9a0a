// Image: the picture and how it is fitted.
#include "platform/ui/image.h"

namespace fv {

Image::Image(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void Image::SetPicture(BitmapPtr p) {
    picture_ = std::move(p);
    Changed(Property::Picture);
}

void Image::SetStretch(bool v) {
    if (v == stretch_) return;
    stretch_ = v;
    Changed(Property::Picture);
}

}  // namespace fv
