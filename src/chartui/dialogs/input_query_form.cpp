// The one-line question.
#include "chartui/dialogs/input_query_form.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TInputQueryForm::TInputQueryForm(Component* owner, Program& program, const std::string& caption,
                                 const std::string& prompt, const std::string& value)
    : ProgramForm(owner, program, "InputQueryForm") {
    SetUpChartDialog(*this, caption, 260, 92);
    Prompt = Add<Label>(this, "Prompt", 8, 8, 244, 13, prompt);
    Value = Add<Edit>(this, "Value", 8, 26, 244, 21, value);
    OKButton = AddOkButton(this, "OKButton", 92, 60, 75, 25);
    CancelButton = AddCancelButton(this, "CancelButton", 176, 60, 75, 25);
    OnShow = [this](Component*) { Value->SetFocus(); };
}

bool InputQuery(Program& program, const std::string& caption, const std::string& prompt, std::string& value) {
    TemporaryDialog<TInputQueryForm> dialog(program, caption, prompt, value);
    if (dialog->ShowModal() != MrOk) return false;
    value = dialog->Value->Text();
    return true;
}

}  // namespace fv
