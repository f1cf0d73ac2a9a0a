// A control that draws its own face (a chart, the print preview's paper): the widget keeps a raster
// picture of its size with a canvas on it, has the control draw there at each repaint and shows the
// picture. The canvas lives as long as the widget keeps its size, because a chart keeps the canvas of its
// last paint to draw on again. Moves of the mouse go to the control as well, for its drags.
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <memory>

#include "platform/gfx/canvas.h"
#include "platform/ui/control.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_canvas.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class DrawnWidget : public QWidget {
public:
    using Draw = std::function<void(Canvas&)>;
    using Move = std::function<void(QWidget*, unsigned shift, int x, int y)>;
    DrawnWidget(QWidget* parent, Draw draw, Move move) : QWidget(parent), draw_(std::move(draw)), move_(std::move(move)) {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (width() <= 0 || height() <= 0) return;
        if (!canvas_ || image_.size() != size()) {
            canvas_.reset();
            image_ = QImage(size(), QImage::Format_RGB32);
            image_.fill(Qt::white);
            canvas_ = std::make_unique<QtCanvas>(image_);
        }
        draw_(*canvas_);
        canvas_->Flush();
        QPainter(this).drawImage(0, 0, image_);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        move_(this, ShiftOf(e), at.x(), at.y());
        e->accept();
    }

private:
    Draw draw_;
    Move move_;
    QImage image_;
    std::unique_ptr<QtCanvas> canvas_;
};

class DrawnBinding : public ControlBinding {
public:
    explicit DrawnBinding(Control& control) : ControlBinding(control) {}

    void ShowColours(QPalette&, QWidget*) const override {}
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        Control& control = GetControl();
        BindingHost* h = &host;
        return new ModelWidget<DrawnWidget>(
            host.Events(), parent, [&control](Canvas& canvas) { control.DrawFace(canvas); },
            [h](QWidget* widget, unsigned shift, int x, int y) {
                h->UserAction(widget, [&](Control& c) { c.MouseMove(shift, x, y); });
            });
    }
};

}  // namespace

std::unique_ptr<ControlBinding> BindDrawn(Control& control) {
    return control.DrawsItself() ? std::make_unique<DrawnBinding>(control) : nullptr;
}

}  // namespace fv
