// A shape as a figure painted in the model's brush and pen colours; it takes clicks (a colour swatch).
#include <QPainter>
#include <QWidget>

#include "platform/ui/shape.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class ShapeWidget : public QWidget {
public:
    using QWidget::QWidget;
    void Set(ShapeKind figure, QColor brush, QColor pen) {
        figure_ = figure, brush_ = brush, pen_ = pen;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(pen_);
        p.setBrush(brush_);
        QRect r = rect().adjusted(0, 0, -1, -1);
        const bool square = figure_ == ShapeKind::Square || figure_ == ShapeKind::RoundSquare ||
                            figure_ == ShapeKind::Circle;
        if (square) {
            const int side = std::min(r.width(), r.height());
            r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
        }
        switch (figure_) {
        case ShapeKind::Rectangle:
        case ShapeKind::Square: p.drawRect(r); break;
        case ShapeKind::RoundRect:
        case ShapeKind::RoundSquare: p.drawRoundedRect(r, 4, 4); break;
        case ShapeKind::Ellipse:
        case ShapeKind::Circle: p.drawEllipse(r); break;
        }
    }

private:
    ShapeKind figure_ = ShapeKind::Rectangle;
    QColor brush_ = Qt::white, pen_ = Qt::black;
};

class ShapeBinding : public ControlBinding {
public:
    explicit ShapeBinding(Shape& shape) : ControlBinding(shape), shape_(shape) {}

    void ShowContent(BindingHost&, bool) override {
        static_cast<ShapeWidget*>(Widget())->Set(shape_.Figure(), ToQColor(shape_.BrushColor()),
                                                 ToQColor(shape_.PenColor()));
    }
    void ShowColours(QPalette&, QWidget*) const override {}
    bool ClickOnRelease() const override { return true; }
    bool Graphic() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        return new ModelWidget<ShapeWidget>(host.Events(), parent);
    }

private:
    Shape& shape_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindShape(Control& control) { return BindKind<ShapeBinding, Shape>(control); }

}  // namespace fv
