// Windows made for the configuration tests from the item table itself: every window and control an item
// names, of the kind the item reads, plus the colour swatches and picture previews the reader also sets.
#pragma once

#include <map>
#include <string>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/memo.h"
#include "records/configuration.h"

namespace fv {

class SyntheticWindows {
public:
    SyntheticWindows() {
        for (const ConfigItem& item : ConfigurationItems()) {
            if (item.Form.empty()) continue;
            Form* form = FormNamed(item.Form);
            if (form->FindComponent(item.Control)) continue;
            switch (item.Kind) {
            case ConfigKind::Check:
            case ConfigKind::Scale: form->Make<CheckBox>(item.Control); break;
            case ConfigKind::Directory: form->Make<DirectoryListBox>(item.Control); break;
            case ConfigKind::Block: form->Make<Memo>(item.Control); break;
            case ConfigKind::Categories: form->Make<ComboBox>(item.Control); break;
            default: form->Make<Edit>(item.Control); break;
            }
        }
        Form* main = FormNamed("FolivexForm");
        for (const char* c : {"LabelColour", "ScrollColour"}) main->Make<Edit>(c);
        for (int i = 1; i <= 20; ++i) main->Make<Edit>("Colour" + std::to_string(i));
        Form* publish = FormNamed("PublishSetupForm");
        for (const char* c : {"InstructionColour", "HeaderColour"}) publish->Make<Edit>(c);
        for (const char* c : {"OlePageBackground", "OleTableHeading", "OleTableBackground"}) {
            Image* preview = publish->Make<Image>(c);
            preview->Hide();
        }
    }

    Form* FormNamed(const std::string& name) {
        Form*& form = forms[name];
        if (!form) form = app.CreateForm<Form>(name);
        return form;
    }
    template <class T> T& Control(const std::string& form, const std::string& name) {
        return *forms.at(form)->Find<T>(name);
    }

    HeadlessLoop loop{true};
    Application app{loop};
    std::map<std::string, Form*> forms;
};

}  // namespace fv
