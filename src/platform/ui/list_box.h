// ListBox: a list of strings. Setting ItemIndex from code fires nothing; the user's pick fires OnClick.
// With MultiSelect the user may select several items: a plain pick selects that item alone, and the
// selection is handed over whole as the user extends it. Any change of the items clears the selection.
//
// A list may draw its own rows (DrawsItems): every row is then ItemHeight pixels high and the view has
// DrawItem paint it on a canvas, the row's rectangle in the list's own coordinates (x from the left edge
// inside the border, y from the top of the first row, whatever is scrolled), and hands the list's mouse
// positions over in those coordinates. Such a list may also drag a row: after a press that began one,
// Dragging answers true and the view drops it with DragDrop where the mouse comes up.
#pragma once

#include <string>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/ui/items_control.h"

namespace fv {

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

    // Rows the list draws itself; a plain list shows its strings.
    virtual bool DrawsItems() const { return false; }
    virtual int ItemHeight() const { return 0; }
    virtual void DrawItem(Canvas& canvas, int index, const PixelRect& rect, bool selected) {}
    // A row being dragged, and its drop at a point of the list (or of `source`, another control).
    virtual bool Dragging() const { return false; }
    virtual void DragDrop(const Control* source, int x, int y) {}

protected:
    void ItemsEdited() override { selected_.clear(); }

private:
    std::vector<bool> selected_;
};

}  // namespace fv
