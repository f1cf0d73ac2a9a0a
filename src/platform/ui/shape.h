// Shape: a plain figure filled with a brush colour and outlined with a pen colour, drawn on its parent.
// Dialogs use it as a colour swatch that can be clicked.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

enum class ShapeKind { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

class Shape : public Control {
public:
    Shape(Component* owner, std::string name = {});
    const char* Kind() const override { return "Shape"; }
    ShapeKind Figure() const { return figure_; }
    void SetFigure(ShapeKind k);
    Color BrushColor() const { return brushColor_; }
    void SetBrushColor(Color c);
    Color PenColor() const { return penColor_; }
    void SetPenColor(Color c);

private:
    ShapeKind figure_ = ShapeKind::Rectangle;
    Color brushColor_ = ClWhite;
    Color penColor_ = ClBlack;
};

}  // namespace fv
