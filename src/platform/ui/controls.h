// The control kinds of the model. Setting a value from code fires the control's event only where the class
// library of the original platform did (Edit and Memo text, check box and radio button Checked, radio group
// ItemIndex, scroll bar and up-down Position), and only when the value changes; combo box and list box
// ItemIndex, page control ActivePage and tab control TabIndex never fire. The User* methods are what a user
// does (the view calls them) and fire the events the user's action fires.
#pragma once

#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/ui/control.h"

namespace fv {

// Byte-length limit that never cuts inside a UTF-8 sequence.
std::string Utf8Truncate(const std::string& text, std::size_t maxBytes);

class Label : public Control {
public:
    Label(Component* owner, std::string name = {});
    const char* Kind() const override { return "Label"; }
    bool AutoSize = true;
    bool WordWrap = false;
    bool Transparent = false;
    enum class Alignment { Left, Right, Center } TextAlign = Alignment::Left;
};

enum class BorderStyle { None, Single };
enum class ScrollStyle { None, Horizontal, Vertical, Both };

class Edit : public Control {
public:
    Edit(Component* owner, std::string name = {});
    const char* Kind() const override { return "Edit"; }
    void SetText(const std::string& v) override;  // fires OnChange
    bool CanFocus() const override { return true; }

    int MaxLength() const { return maxLength_; }  // bytes; 0 = no limit
    void SetMaxLength(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    BorderStyle GetBorderStyle() const { return border_; }
    void SetBorderStyle(BorderStyle b);

    // Typing: the text the user leaves in the box, cut to MaxLength.
    void UserSetText(const std::string& v);

    // The selected part of the text, in bytes; kept within the text. Changing the text clears it.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    std::string SelText() const;
    void SetSelection(int start, int length);

    NotifyEvent OnChange;

protected:
    virtual void Change();

private:
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    BorderStyle border_ = BorderStyle::Single;
};

class Memo : public Edit {
public:
    Memo(Component* owner, std::string name = {});
    const char* Kind() const override { return "Memo"; }
    // Lines are kept as one text with CR LF between them, as the platform's edit control did.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(const std::string& line);
    void Clear() { SetText(""); }
    ScrollStyle ScrollBars = ScrollStyle::None;
    bool WordWrap = true;
};

class Button : public Control {
public:
    Button(Component* owner, std::string name = {});
    const char* Kind() const override { return "Button"; }
    bool CanFocus() const override { return true; }
    // Sets the form's ModalResult (when not 0), then fires OnClick.
    void Click() override;
    int ModalResult = 0;
    bool Default = false;
    bool Cancel = false;
};

// A button with a glyph. The glyph is a named resource picture; the view finds it under resources/.
class BitBtn : public Button {
public:
    BitBtn(Component* owner, std::string name = {});
    const char* Kind() const override { return "BitBtn"; }
    enum class BtnKind { Custom, Ok, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All } ButtonKind = BtnKind::Custom;
    std::string Glyph;
};

class SpeedButton : public Control {
public:
    SpeedButton(Component* owner, std::string name = {});
    const char* Kind() const override { return "SpeedButton"; }
    int GroupIndex = 0;
    bool AllowAllUp = false;
    bool Flat = false;
    std::string Glyph;
    bool Down() const { return down_; }
    void SetDown(bool v);  // fires nothing; releases the others of its group
    void Click() override;

private:
    bool down_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "CheckBox"; }
    bool CanFocus() const override { return true; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);  // fires OnClick when the value changes
    void Click() override;    // the user's click toggles
    bool LabelOnLeft = false;

private:
    bool checked_ = false;
};

class RadioButton : public Control {
public:
    RadioButton(Component* owner, std::string name = {});
    const char* Kind() const override { return "RadioButton"; }
    bool CanFocus() const override { return true; }
    bool Checked() const { return checked_; }
    // Checking unchecks the radio buttons of the same parent and fires OnClick; unchecking fires nothing.
    void SetChecked(bool v);
    void Click() override;  // the user's click checks

private:
    bool checked_ = false;
};

class GroupBox : public Control {
public:
    GroupBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "GroupBox"; }
};

class RadioGroup : public GroupBox {
public:
    RadioGroup(Component* owner, std::string name = {});
    const char* Kind() const override { return "RadioGroup"; }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i);  // fires OnClick when the value changes
    int Columns = 1;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

enum class BevelKind { None, Lowered, Raised };

class Panel : public Control {
public:
    Panel(Component* owner, std::string name = {});
    const char* Kind() const override { return "Panel"; }
    BevelKind BevelOuter = BevelKind::Raised;
    BevelKind BevelInner = BevelKind::None;
    int BorderWidth = 0;
};

class Bevel : public Control {
public:
    Bevel(Component* owner, std::string name = {});
    const char* Kind() const override { return "Bevel"; }
    enum class Shape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine } BevelShape = Shape::Box;
    BevelKind Style = BevelKind::Lowered;
};

// A string list shared by combo boxes and list boxes.
class ItemsControl : public Control {
public:
    using Control::Control;
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& item);
    void InsertItem(int index, const std::string& item);
    void DeleteItem(int index);
    void ClearItems();
    int IndexOf(const std::string& item) const;  // exact, -1 when absent
    int Count() const { return int(items_.size()); }
    int ItemIndex() const { return itemIndex_; }
    virtual void SetItemIndex(int i);  // fires nothing
    bool Sorted = false;

protected:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

class ComboBox : public ItemsControl {
public:
    ComboBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "ComboBox"; }
    bool CanFocus() const override { return true; }
    enum class ComboStyle { DropDown, DropDownList, Simple } Style = ComboStyle::DropDown;
    void SetItemIndex(int i) override;  // also shows the item's text; fires nothing
    int MaxLength = 0;
    // The user picks an item from the list: Text and ItemIndex follow, then OnClick and OnChange fire.
    void UserSelect(int index);
    // The user types into the edit part: fires OnChange.
    void UserSetText(const std::string& v);
    NotifyEvent OnChange;
};

class ListBox : public ItemsControl {
public:
    ListBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "ListBox"; }
    bool CanFocus() const override { return true; }
    bool MultiSelect = false;
    // The user picks an item: ItemIndex follows, then OnClick fires.
    void UserSelect(int index);
};

class Image : public Control {
public:
    Image(Component* owner, std::string name = {});
    const char* Kind() const override { return "Image"; }
    const BitmapPtr& Picture() const { return picture_; }
    void SetPicture(BitmapPtr p);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center = false;
    // With Stretch: the picture is scaled to fit the box keeping its shape, centred, instead of being
    // stretched to the box's own shape.
    bool Proportional = false;
    // A picture that ships with the program, found by file name under resources/ by the view.
    std::string ResourceName;

private:
    BitmapPtr picture_;
    bool stretch_ = false;
};

class ProgressBar : public Control {
public:
    ProgressBar(Component* owner, std::string name = {});
    const char* Kind() const override { return "ProgressBar"; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    void SetPosition(int p);  // kept within Min..Max

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

// Scroll bar, up-down and track bar share a position within a range, and fire OnChange when it moves.
class RangeControl : public Control {
public:
    using Control::Control;
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    void SetPosition(int p);  // kept within Min..Max; fires OnChange when it changes
    NotifyEvent OnChange;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

class ScrollBar : public RangeControl {
public:
    ScrollBar(Component* owner, std::string name = {});
    const char* Kind() const override { return "ScrollBar"; }
    bool Vertical = false;
    int SmallChange = 1;
    int LargeChange = 1;
};

class UpDown : public RangeControl {
public:
    UpDown(Component* owner, std::string name = {});
    const char* Kind() const override { return "UpDown"; }
    Control* Associate = nullptr;
};

class TabSheet;

class PageControl : public Control {
public:
    PageControl(Component* owner, std::string name = {});
    const char* Kind() const override { return "PageControl"; }
    std::vector<TabSheet*> Pages() const;
    TabSheet* ActivePage() const { return active_; }
    void SetActivePage(TabSheet* page);  // fires nothing
    // The user picks a tab: OnChange fires after the page changed.
    void UserSelectPage(TabSheet* page);
    NotifyEvent OnChange;

private:
    TabSheet* active_ = nullptr;
};

class TabSheet : public Control {
public:
    TabSheet(Component* owner, std::string name = {});
    const char* Kind() const override { return "TabSheet"; }
    PageControl* PageControlOf() const { return dynamic_cast<PageControl*>(Parent()); }
};

class TabControl : public Control {
public:
    TabControl(Component* owner, std::string name = {});
    const char* Kind() const override { return "TabControl"; }
    std::vector<std::string> Tabs;
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i);  // fires nothing
    void UserSelectTab(int i);  // fires OnChange
    NotifyEvent OnChange;

private:
    int tabIndex_ = -1;
};

}  // namespace fv
