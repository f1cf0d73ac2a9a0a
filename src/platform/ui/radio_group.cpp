// RadioGroup: the items and the checked one.
#include "platform/ui/radio_group.h"

namespace fv {

RadioGroup::RadioGroup(Component* owner, std::string name) : GroupBox(owner, std::move(name)) {}

void RadioGroup::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (itemIndex_ >= int(items_.size())) itemIndex_ = -1;
    Changed(Property::Items);
}

void RadioGroup::SetItemIndex(int i) {
    if (i < -1 || i >= int(items_.size())) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    Changed(Property::ItemIndex);
    Control::Click();
}

}  // namespace fv
