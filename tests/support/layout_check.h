// A tidiness check of a window's layout, for windows whose design places are ours: nothing overlaps a
// sibling, nothing leaves its parent, every caption has room, and nothing hides under a group box's
// caption.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace fv::testing {

inline bool Intersect(const Rect& a, const Rect& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

// Room a caption needs at 8 points: about 6 pixels a character, plus a button's edges or a check box.
inline int CaptionRoom(const Control& c) {
    const int text = int(c.Caption().size()) * 6;
    const std::string kind = c.Kind();
    if (kind == "Button" || kind == "BitBtn") return text + 8;
    if (kind == "CheckBox" || kind == "RadioButton") return c.Caption().empty() ? 13 : text + 16;
    if (kind == "Label" || kind == "GroupBox") return text;
    return 0;
}

// Checks every control below parent; `checked` counts them.
inline void CheckLayout(const Control& parent, int& checked) {
    const std::vector<Control*>& children = parent.Controls();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& c = *children[i];
        SCOPED_TRACE(c.Name() + " in " + parent.Name());
        ++checked;
        EXPECT_GT(c.Width(), 0);
        EXPECT_GT(c.Height(), 0);
        EXPECT_GE(c.Left(), 0);
        EXPECT_GE(c.Top(), 0);
        EXPECT_LE(c.Left() + c.Width(), parent.ClientWidth());
        EXPECT_LE(c.Top() + c.Height(), parent.ClientHeight());
        EXPECT_LE(CaptionRoom(c), c.Width());
        if (std::string(c.Kind()) == "GroupBox") {
            for (const Control* inner : c.Controls())
                EXPECT_GE(inner->Top(), 16) << inner->Name() << " under the caption";
        }
        for (std::size_t j = i + 1; j < children.size(); ++j)
            // The pages of a page control lie on one another: one shows at a time.
            if (std::string(c.Kind()) != "TabSheet" || std::string(children[j]->Kind()) != "TabSheet")
                EXPECT_FALSE(Intersect(c.Bounds(), children[j]->Bounds())) << "overlaps " << children[j]->Name();
        CheckLayout(c, checked);
    }
}

}  // namespace fv::testing
