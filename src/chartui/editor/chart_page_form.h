// A page of the chart editor or a series type editor, shown inside another window: no border of its own,
// the dialogs' font, and the client size it was laid out at.
#pragma once

#include <string>
#include <utility>

#include "program/program_form.h"

namespace fv {

class TChartPageForm : public ProgramForm {
public:
    TChartPageForm(Component* owner, Program& program, std::string name, int clientWidth, int clientHeight)
        : ProgramForm(owner, program, std::move(name)) {
        SetBorder(FormBorder::None);
        SetFont(Font{"MS Sans Serif", 8, ClWindowText});
        SetClientSize(clientWidth, clientHeight);
    }
};

}  // namespace fv
