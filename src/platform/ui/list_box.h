// ListBox: a list of strings. Setting ItemIndex from code fires nothing; the user's pick fires OnClick.
// With MultiSelect the user may select several items: a plain pick selects that item alone, and the
// selection is handed over whole as the user extends it. Any change of the items clears the selection.
// An owner-drawn list (ItemHeight above 0) draws its rows itself: the view gives each row that height and
// has DrawItem paint it; otherwise the view shows each item's text.
#pragma once

#include <string>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/ui/items_control.h"

namespace fv {

class Canvas;

class ListBox : public ItemsControl {
public:
    ListBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "ListBox"; }
    bool CanFocus() const override { return true; }
    bool MultiSelect = false;
    // The user picks an item: ItemIndex follows, then OnClick fires.
    void UserSelect(int index);
    // Whether the item is selected: the current item, or with MultiSelect any item of the selection.
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);  // fires nothing
    int SelCount() const;
    // The user leaves these items selected (MultiSelect): fires OnClick.
    void UserSetSelection(const std::vector<int>& indexes);

    // Owner-drawn rows: their height (0: not owner-drawn), and the drawing of row `index` into `rect`.
    virtual int ItemHeight() const { return 0; }
    virtual void DrawItem(Canvas& canvas, int index, const PixelRect& rect, bool selected) {}

protected:
    void ItemsEdited() override { selected_.clear(); }

private:
    std::vector<bool> selected_;
};

}  // namespace fv
