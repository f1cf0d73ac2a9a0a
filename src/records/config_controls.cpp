// The configuration's controls, through the windows' indexes of names, each row's kept once found.
#include "records/config_controls.h"

#include <array>
#include <cstdint>
#include <vector>

#include "platform/app/application.h"

namespace fv {

namespace {

constexpr std::size_t PartCount = 4;

// The controls found for the rows of the item table, by row and part (null: not looked up yet), and what
// they were found under.
struct KeptControls {
    const Application* app = nullptr;
    std::uint64_t ownershipChanges = 0;
    std::vector<std::array<ConfigControls::Kept, PartCount>> rows;
};

thread_local KeptControls kept;

// True when the row is one of the item table's own rows or of the copies ConfigurationItems gives, so
// that its Row is its place in the table; a row made elsewhere is looked up by name every time.
bool TableRow(const ConfigItem& row) {
    auto within = [&row](const std::vector<ConfigItem>& rows) {
        return !rows.empty() && &row >= rows.data() && &row < rows.data() + rows.size();
    };
    return within(ConfigurationTable()) || within(ConfigurationItems());
}

}  // namespace

const std::string& ConfigControls::FormOf(const ConfigItem& row, ConfigPart part) {
    return part == ConfigPart::Swatch ? row.SwatchForm : row.Form;
}

const std::string& ConfigControls::NameOf(const ConfigItem& row, ConfigPart part) {
    switch (part) {
    case ConfigPart::Setting: return row.Control;
    case ConfigPart::Swatch: return row.Swatch;
    case ConfigPart::PreviewFile: return row.PreviewFile;
    case ConfigPart::PreviewImage: return row.PreviewImage;
    }
    return row.Control;
}

Component* ConfigControls::Find(const std::string& form, const std::string& control) {
    if (!last_ || form != lastName_) {
        const Form* f = app_.FindForm(form);
        if (!f) throw std::logic_error("The configuration names a window that does not exist: " + form);
        last_ = f;
        lastName_ = form;
    }
    return last_->FindComponent(control);
}

ConfigControls::Kept& ConfigControls::FindOfRow(const ConfigItem& row, ConfigPart part) {
    if (!TableRow(row)) {
        unkept_ = Kept{Find(FormOf(row, part), NameOf(row, part))};
        return unkept_;
    }
    const std::uint64_t changes = Component::OwnershipChanges();
    if (kept.app != &app_ || kept.ownershipChanges != changes) {
        kept.app = &app_;
        kept.ownershipChanges = changes;
        kept.rows.assign(ConfigurationTable().size(), {});
    }
    Kept& control = kept.rows[row.Row][std::size_t(part)];
    if (!control.control) control = Kept{Find(FormOf(row, part), NameOf(row, part))};
    return control;
}

}  // namespace fv
