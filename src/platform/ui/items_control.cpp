// ItemsControl: the string list and the selected item.
#include "platform/ui/items_control.h"

#include <algorithm>

namespace fv {

void ItemsControl::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (Sorted) std::sort(items_.begin(), items_.end());
    if (itemIndex_ >= int(items_.size())) itemIndex_ = -1;
    ItemsEdited();
    Changed(Property::Items);
}

void ItemsControl::AddItem(const std::string& item) {
    if (Sorted) {
        items_.insert(std::upper_bound(items_.begin(), items_.end(), item), item);
    } else {
        items_.push_back(item);
    }
    ItemsEdited();
    Changed(Property::Items);
}

void ItemsControl::InsertItem(int index, const std::string& item) {
    index = std::clamp(index, 0, int(items_.size()));
    items_.insert(items_.begin() + index, item);
    if (itemIndex_ >= index) ++itemIndex_;
    ItemsEdited();
    Changed(Property::Items);
}

void ItemsControl::DeleteItem(int index) {
    if (index < 0 || index >= int(items_.size())) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    ItemsEdited();
    Changed(Property::Items);
}

void ItemsControl::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    ItemsEdited();
    Changed(Property::Items);
}

int ItemsControl::IndexOf(const std::string& item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void ItemsControl::SetItemIndex(int i) {
    if (i < -1 || i >= int(items_.size())) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    Changed(Property::ItemIndex);
}

}  // namespace fv
