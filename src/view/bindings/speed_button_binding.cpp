// A speed button as a QToolButton: checkable in a group, with its glyph beside or instead of its text.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolButton>

#include "platform/ui/speed_button.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class SpeedButtonBinding : public ControlBinding {
public:
    explicit SpeedButtonBinding(SpeedButton& button) : ControlBinding(button), button_(button) {}

    void ShowText(BindingHost&) override { static_cast<QToolButton*>(Widget())->setText(ToQString(button_.Text())); }
    void ShowContent(BindingHost& host, bool) override {
        auto* q = static_cast<QToolButton*>(Widget());
        q->setCheckable(button_.GroupIndex != 0);
        q->setChecked(button_.Down());
        q->setAutoRaise(button_.Flat);
        QImage glyph = button_.Glyph.empty() ? QImage() : host.ResourceImage(button_.Glyph);
        q->setIcon(glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(glyph)));
        if (!glyph.isNull()) q->setIconSize(glyph.size());
        q->setToolButtonStyle(glyph.isNull() ? Qt::ToolButtonTextOnly
                              : button_.Text().empty() ? Qt::ToolButtonIconOnly
                                                       : Qt::ToolButtonTextBesideIcon);
    }
    void ShowColours(QPalette& palette, QWidget*) const override { ShowRoleColour(palette, QPalette::Button, ClBtnFace); }
    bool Graphic() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QToolButton>(host.Events(), parent);
        QObject::connect(w, &QToolButton::clicked, w, [&host, w] { host.UserAction(w, [](Control& c) { c.Click(); }); });
        return w;
    }

private:
    SpeedButton& button_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindSpeedButton(Control& control) {
    return BindKind<SpeedButtonBinding, SpeedButton>(control);
}

}  // namespace fv
