// The windows' controls by window and control name, for one read or one write of the configuration file.
//
// Rules:
// - A control is found through its window's index of names (Component::FindComponent), and the window of
//   the previous look-up is kept: the item table names one window for many rows in a run, and building a
//   table of names per pass cost more than the whole rest of a read.
// - A control a row of the item table names is looked up once and kept for that row and part, for every
//   later read and write, for as long as no component anywhere has been made, freed, renamed or moved
//   (Component::OwnershipChanges) and the application is the same; any such change forgets them all. A
//   configuration is read and written with the same windows time after time, and the look-ups by name were
//   the largest part of a pass.
// - The answers are those of Application::FindForm and Component::FindComponent: the first window and
//   the first control of the name.
// - One object serves one pass over the item table: the window it keeps from the previous look-up by name
//   is valid while no window is made or freed.
// - The controls the rows name are kept per thread, so a read on one thread never sees another's.
#pragma once

#include <stdexcept>
#include <string>
#include <typeinfo>

#include "records/configuration.h"

namespace fv {

class Application;
class Component;
class Form;

// Which of the controls a row names: the setting's own (Form, Control), the swatch that shows a font's
// colour (SwatchForm, Swatch), or a directory's preview: the file name's control and the picture (Form,
// PreviewFile / PreviewImage).
enum class ConfigPart { Setting, Swatch, PreviewFile, PreviewImage };

class ConfigControls {
public:
    explicit ConfigControls(const Application& app) : app_(app) {}

    // The control, of the kind the caller needs. Throws std::logic_error naming the window and the control
    // when either is missing (a programming error, never a user's).
    template <class T> T& Get(const std::string& form, const std::string& control) {
        return Cast<T>(Find(form, control), form, control);
    }
    // The control a row of the item table names, kept from an earlier look-up when nothing has changed.
    // The control is kept as the kind last asked for too, so that asking again takes no cast.
    template <class T> T& Get(const ConfigItem& row, ConfigPart part) {
        Kept& kept = FindOfRow(row, part);
        if (kept.kind != &typeid(T)) {
            kept.asKind = &Cast<T>(kept.control, FormOf(row, part), NameOf(row, part));
            kept.kind = &typeid(T);
        }
        return *static_cast<T*>(kept.asKind);
    }

    // A control a row names as found (null: not looked up yet), and as the kind last asked for.
    struct Kept {
        Component* control = nullptr;
        const std::type_info* kind = nullptr;
        void* asKind = nullptr;
    };

private:
    template <class T> static T& Cast(Component* found, const std::string& form, const std::string& control) {
        T* c = dynamic_cast<T*>(found);
        if (!c) throw std::logic_error("The configuration names a control that does not exist: " + form + "." + control);
        return *c;
    }
    static const std::string& FormOf(const ConfigItem& row, ConfigPart part);
    static const std::string& NameOf(const ConfigItem& row, ConfigPart part);

    // The control of the name, or nullptr; throws when the window is missing.
    Component* Find(const std::string& form, const std::string& control);
    Kept& FindOfRow(const ConfigItem& row, ConfigPart part);

    const Application& app_;
    std::string lastName_;      // the window of the previous look-up
    const Form* last_ = nullptr;
    Kept unkept_;               // for a row that is not the table's: looked up every time
};

}  // namespace fv
