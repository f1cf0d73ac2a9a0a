// Edit: a one-line text box. Setting its text from code fires OnChange, as a user's typing does, and
// only when the text changes; MaxLength limits what the user types, in bytes, never cutting a character.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

enum class BorderStyle { None, Single };

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
    // Return on a box that acts on a double click does what the double click does: the keyboard reaches
    // what the mouse reaches.
    void KeyAction(int& key, unsigned shift) override;

private:
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    BorderStyle border_ = BorderStyle::Single;
};

}  // namespace fv
