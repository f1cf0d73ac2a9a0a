// An image as a picture box: the loaded picture, else the named resource picture, stretched to the box or
// fitted into it keeping its shape.
#include <QImage>
#include <QPixmap>

#include "platform/ui/image.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class ImageBinding : public ControlBinding {
public:
    explicit ImageBinding(Image& image) : ControlBinding(image), image_(image) {}

    void ShowContent(BindingHost& host, bool) override {
        auto* label = static_cast<PictureBox*>(Widget());
        const bool keepShape = image_.Stretch() && image_.Proportional;
        label->SetKeepShape(keepShape);
        label->setScaledContents(image_.Stretch() && !keepShape);
        label->setAlignment(image_.Center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        const BitmapPtr picture = image_.Picture() && !image_.Picture()->Empty() ? image_.Picture() : nullptr;
        const std::string resource = picture ? std::string() : image_.ResourceName;
        if (picture == shownPicture_ && resource == shownResource_ &&
            (picture || !resource.empty() || label->pixmap().isNull()))
            return;
        shownPicture_ = picture;
        shownResource_ = resource;
        QImage shown = picture ? ToQImage(*picture) : resource.empty() ? QImage() : host.ResourceImage(resource);
        label->setPixmap(shown.isNull() ? QPixmap() : QPixmap::fromImage(shown));
    }
    void ShowColours(QPalette&, QWidget*) const override {}
    bool ClickOnRelease() const override { return true; }
    bool Graphic() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override { return new ModelWidget<PictureBox>(host.Events(), parent); }

private:
    Image& image_;
    BitmapPtr shownPicture_;  // held, so that a new picture can never come at the same address
    std::string shownResource_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindImage(Control& control) { return BindKind<ImageBinding, Image>(control); }

}  // namespace fv
