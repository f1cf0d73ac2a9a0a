// A button (and a button with a glyph) as a QPushButton. Return on a focused button presses it.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

QStyle::StandardPixmap StandardGlyph(BitBtn::BtnKind k) {
    using K = BitBtn::BtnKind;
    switch (k) {
    case K::Ok: return QStyle::SP_DialogOkButton;
    case K::Cancel: return QStyle::SP_DialogCancelButton;
    case K::Help: return QStyle::SP_DialogHelpButton;
    case K::Yes: return QStyle::SP_DialogYesButton;
    case K::No: return QStyle::SP_DialogNoButton;
    case K::Close: return QStyle::SP_DialogCloseButton;
    case K::Abort: return QStyle::SP_DialogAbortButton;
    case K::Retry: return QStyle::SP_DialogRetryButton;
    case K::Ignore: return QStyle::SP_DialogIgnoreButton;
    case K::All: return QStyle::SP_DialogYesToAllButton;
    case K::Custom: break;
    }
    return QStyle::SP_CustomBase;
}

class ButtonBinding : public ControlBinding {
public:
    explicit ButtonBinding(Button& button) : ControlBinding(button), button_(button) {}

    void ShowText(BindingHost&) override { static_cast<QPushButton*>(Widget())->setText(ToQString(button_.Text())); }
    void ShowContent(BindingHost& host, bool) override {
        auto* q = static_cast<QPushButton*>(Widget());
        q->setDefault(button_.Default);
        auto* bit = dynamic_cast<BitBtn*>(&button_);
        if (!bit) return;
        QIcon icon;
        if (!bit->Glyph.empty()) {
            QImage glyph = host.ResourceImage(bit->Glyph);
            if (!glyph.isNull()) icon = QIcon(QPixmap::fromImage(glyph));
        } else if (bit->ButtonKind != BitBtn::BtnKind::Custom) {
            icon = q->style()->standardIcon(StandardGlyph(bit->ButtonKind), nullptr, q);
        }
        q->setIcon(icon);
    }
    void ShowColours(QPalette& palette, QWidget*) const override { ShowRoleColour(palette, QPalette::Button, ClBtnFace); }
    bool TakesFocus() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QPushButton>(host.Events(), parent);
        w->setAutoDefault(true);
        QObject::connect(w, &QPushButton::clicked, w, [&host, w] { host.UserAction(w, [](Control& c) { c.Click(); }); });
        return w;
    }

private:
    Button& button_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindButton(Control& control) { return BindKind<ButtonBinding, Button>(control); }

}  // namespace fv
