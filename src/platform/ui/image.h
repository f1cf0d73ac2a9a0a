// Image: a picture, either loaded or a resource shipped with the program.
#pragma once

#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/ui/control.h"

namespace fv {

class Image : public Control {
public:
    Image(Component* owner, std::string name = {});
    const char* Kind() const override { return "Image"; }
    const BitmapPtr& Picture() const { return picture_; }
    void SetPicture(BitmapPtr p);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center = false;
    // With Stretch: the picture is scaled to fit the box keeping its shape, centred, instead of being
    // stretched to the box's own shape.
    bool Proportional = false;
    // A picture that ships with the program, found by file name under resources/ by the view.
    std::string ResourceName;

private:
    BitmapPtr picture_;
    bool stretch_ = false;
};

}  // namespace fv
