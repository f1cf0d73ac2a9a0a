// StatusBar: its simple text and its panels.
#include "platform/ui/status_bar.h"

namespace fv {

StatusBar::StatusBar(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void StatusBar::SetSimplePanel(bool v) {
    if (v == simplePanel_) return;
    simplePanel_ = v;
    Changed(Property::Style);
}

void StatusBar::SetPanels(std::vector<StatusPanel> panels) {
    panels_ = std::move(panels);
    Changed(Property::Items);
}

std::vector<StatusPanel> StatusBar::ShownPanels() const {
    if (simplePanel_) return {{Text(), Width()}};
    return panels_;
}

}  // namespace fv
