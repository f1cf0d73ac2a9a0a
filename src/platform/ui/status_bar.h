// StatusBar: the strip that tells what a window is doing, either as one simple text across its width or
// as panels of given widths, each with a text of its own.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace fv {

struct StatusPanel {
    std::string Text;
    int Width = 50;
};

class StatusBar : public Control {
public:
    StatusBar(Component* owner, std::string name = {});
    const char* Kind() const override { return "StatusBar"; }

    // With SimplePanel on, the bar shows its simple text (the control's Text) and not its panels.
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    const std::string& SimpleText() const { return Text(); }
    void SetSimpleText(const std::string& v) { SetText(v); }

    const std::vector<StatusPanel>& Panels() const { return panels_; }
    void SetPanels(std::vector<StatusPanel> panels);
    // What the bar shows: the simple text, or the panels' texts one after the other.
    std::vector<StatusPanel> ShownPanels() const;

private:
    bool simplePanel_ = true;
    std::vector<StatusPanel> panels_;
};

}  // namespace fv
