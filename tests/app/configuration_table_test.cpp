// The configuration table against the whole program: every row names, by window and control name, a
// control that the started program has, of the kind the row's value is written from and read into.
// The names are the file's and are looked up at run time; this walk finds a misspelt, renamed or
// retyped control at once, instead of when a user first saves or loads a database with that setting.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/memo.h"
#include "records/configuration.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

template <class T> bool Is(const Component* c) { return dynamic_cast<const T*>(c) != nullptr; }

// A single line of text: a memo's text may hold line breaks, which a one-line item cannot.
bool IsLineEdit(const Component* c) { return Is<Edit>(c) && !Is<Memo>(c); }
bool IsTextControl(const Component* c) { return IsLineEdit(c) || Is<ComboBox>(c); }

// What a control must be to hold a value of the row's kind, as the writer and the reader use it.
struct Need {
    const char* what;
    bool (*fits)(const Component*);
};

// No default: a new kind of row must say here what its control is.
std::optional<Need> ControlNeeded(ConfigKind kind) {
    switch (kind) {
    case ConfigKind::Version:
    case ConfigKind::ImageDirectory:
    case ConfigKind::Font:
    case ConfigKind::ColourNumber:
        return std::nullopt;  // held by the database, not by a control of the row
    case ConfigKind::Text:
        return Need{"a one-line edit or a combo box", IsTextControl};
    case ConfigKind::OrderNumber:
        return Need{"a one-line edit", IsLineEdit};
    case ConfigKind::Check:
    case ConfigKind::Scale:
        return Need{"a check box", Is<CheckBox>};
    case ConfigKind::Directory:
        return Need{"a directory list", Is<DirectoryListBox>};
    case ConfigKind::Block:
        return Need{"a memo", Is<Memo>};
    case ConfigKind::Categories:
        return Need{"a combo box", Is<ComboBox>};
    }
    return std::nullopt;
}

class ConfigurationTableTest : public ProgramFixture {
protected:
    // Fails the test when the window has no control of that name, or one that does not fit.
    void ExpectControl(std::size_t row, const std::string& form, const std::string& control, const Need& need) {
        const std::string where = "row " + std::to_string(row) + ": " + form + "." + control;
        Form* window = app->FindForm(form);
        if (!window) {
            ADD_FAILURE() << where << ": the program has no window of that name";
            return;
        }
        const Component* c = window->FindComponent(control);
        if (!c) {
            ADD_FAILURE() << where << ": the window has no control of that name";
            return;
        }
        EXPECT_TRUE(need.fits(c)) << where << ": the control is not " << need.what;
    }
};

TEST_F(ConfigurationTableTest, EveryRowFindsItsControlOfTheKindItsValueNeeds) {
    ASSERT_TRUE(Start());
    const std::vector<ConfigItem>& table = ConfigurationTable();
    ASSERT_FALSE(table.empty());
    // The font and colour rows show the font's colour on a control.
    const Need swatch{"a control", Is<Control>};
    std::set<std::pair<std::string, std::string>> named;
    for (std::size_t row = 0; row < table.size(); ++row) {
        const ConfigItem& item = table[row];
        if (std::optional<Need> need = ControlNeeded(item.Kind)) {
            ExpectControl(row, item.Form, item.Control, *need);
            // One control, one line of the file: a second row would write it twice and read it back from
            // the later line only.
            EXPECT_TRUE(named.emplace(item.Form, item.Control).second)
                << "row " << row << ": " << item.Form << "." << item.Control << " is named by an earlier row";
        } else {
            EXPECT_TRUE(item.Form.empty()) << "row " << row << " names a window but no control kind";
        }
        if (item.Kind == ConfigKind::Font || item.Kind == ConfigKind::ColourNumber) {
            EXPECT_NO_THROW(FontNamed(*program, item.Control)) << "row " << row << ": no font " << item.Control;
            ExpectControl(row, item.SwatchForm, item.Swatch, swatch);
        }
        // A folder with a preview: the picture file's name and the preview of the picture.
        if (!item.PreviewFile.empty()) ExpectControl(row, item.Form, item.PreviewFile, {"a one-line edit", IsLineEdit});
        if (!item.PreviewImage.empty()) ExpectControl(row, item.Form, item.PreviewImage, {"an image", Is<Image>});
        // The image folder is the database's, and is also shown by the database setup's folder list.
        if (item.Kind == ConfigKind::ImageDirectory)
            ExpectControl(row, "DBSetupForm", "ImageDirListBox", {"a directory list", Is<DirectoryListBox>});
    }
}

}  // namespace
}  // namespace fv::testing
