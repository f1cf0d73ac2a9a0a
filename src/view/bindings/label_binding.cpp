// A label as a QLabel: plain text without access-key ampersands, sized to the text when AutoSize is on.
#include <QLabel>

#include "platform/ui/label.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class LabelBinding : public ControlBinding {
public:
    explicit LabelBinding(Label& label) : ControlBinding(label), label_(label) {}

    void ShowText(BindingHost& host) override {
        auto* q = static_cast<QLabel*>(Widget());
        QString plain = StripAccessKeys(label_.Text());
        if (q->text() == plain) return;
        q->setText(plain);
        if (label_.AutoSize) host.PlaceAgain(*this);
    }
    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QLabel*>(Widget());
        Qt::Alignment h = label_.TextAlign == Label::Alignment::Right    ? Qt::AlignRight
                          : label_.TextAlign == Label::Alignment::Center ? Qt::AlignHCenter
                                                                         : Qt::AlignLeft;
        q->setAlignment(h | Qt::AlignTop);
        q->setWordWrap(label_.WordWrap);
    }
    void ShowColours(QPalette& palette, QWidget* target) const override {
        ShowOwnColour(palette, target, label_.Transparent);
    }
    bool ClickOnRelease() const override { return true; }
    bool Graphic() const override { return true; }
    bool SizesWithFont() const override { return true; }
    QRect Placed(const QRect& bounds) const override {
        QRect r = bounds;
        if (label_.AutoSize && !label_.WordWrap) r.setSize(static_cast<QLabel*>(Widget())->sizeHint());
        return r;
    }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QLabel>(host.Events(), parent);
        w->setTextFormat(Qt::PlainText);
        return w;
    }

private:
    Label& label_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindLabel(Control& control) { return BindKind<LabelBinding, Label>(control); }

}  // namespace fv
