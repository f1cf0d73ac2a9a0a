// Menus: shortcuts, disabled items, access-key ampersands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/menu.h"

namespace fv {
namespace {

TEST(Menu, PlainCaptionDropsAccessKeyAmpersandsAndKeepsDoubledOnesAsOne) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"&File", "File"},
        {"E&xit", "Exit"},
        {"Save && E&xit", "Save & Exit"},
        {"&&&Open", "&Open"},
        {"Trailing&", "Trailing"},
        {"No ampersand", "No ampersand"},
        {"&&", "&"},
        {"", ""},
    };
    Form form(nullptr);
    for (const auto& [caption, plain] : cases) {
        auto* item = form.Make<MenuItem>("", caption);
        EXPECT_EQ(item->PlainCaption(), plain) << caption;
    }
}

TEST(Menu, ShortCutsRunEnabledItemsAnywhereInTheMenuAndNothingElse) {
    Form form(nullptr);
    EXPECT_FALSE(form.PressShortCut("Ctrl+O")) << "a form without a menu has no shortcuts";

    auto* menu = form.Make<MainMenu>("Menu");
    form.SetMenu(menu);
    auto* file = menu->Add(form.Make<MenuItem>("File", "&File"));
    auto* open = file->Add(form.Make<MenuItem>("Open", "&Open...", "Ctrl+O"));
    auto* exit = file->Add(form.Make<MenuItem>("Exit", "Save && E&xit", "Ctrl+Shift+X"));
    auto* help = menu->Add(form.Make<MenuItem>("Help", "&Help"));
    auto* about = help->Add(form.Make<MenuItem>("About", "&About", "F1"));
    std::vector<std::string> clicks;
    for (MenuItem* i : {open, exit, about})
        i->OnClick = [&clicks](Component* s) { clicks.push_back(s->Name()); };
    exit->SetEnabled(false);

    struct Case {
        std::string key;
        bool handled;
    };
    const std::vector<Case> cases = {
        {"Ctrl+O", true}, {"ctrl + o", true}, {"F1", true}, {"Ctrl+Shift+X", false}, {"Ctrl+Q", false}, {"O", false},
    };
    for (const Case& c : cases) EXPECT_EQ(form.PressShortCut(c.key), c.handled) << c.key;
    EXPECT_EQ(clicks, (std::vector<std::string>{"Open", "Open", "About"}));

    // A disabled item does nothing however it is reached; enabled again, it works.
    exit->Click();
    EXPECT_EQ(clicks.size(), 3u);
    exit->SetEnabled(true);
    EXPECT_TRUE(form.PressShortCut("Ctrl+Shift+X"));
    EXPECT_EQ(clicks.back(), "Exit");

    EXPECT_EQ(menu->FindByCaption("Save & Exit"), exit);
    EXPECT_EQ(menu->FindByCaption("About"), about);
    EXPECT_EQ(menu->FindByCaption("Nothing"), nullptr);
}

}  // namespace
}  // namespace fv
