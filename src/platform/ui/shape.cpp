// Shape: the figure and its colours; each change redraws the figure.
#include "platform/ui/shape.h"

namespace fv {

Shape::Shape(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void Shape::SetFigure(ShapeKind k) {
    if (k == figure_) return;
    figure_ = k;
    Changed(Property::Style);
}

void Shape::SetBrushColor(Color c) {
    if (c == brushColor_) return;
    brushColor_ = c;
    Changed(Property::Style);  // the figure's own colours, not the control's
}

void Shape::SetPenColor(Color c) {
    if (c == penColor_) return;
    penColor_ = c;
    Changed(Property::Style);  // the figure's own colours, not the control's
}

}  // namespace fv
