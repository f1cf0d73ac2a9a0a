// MainWindow: what the subsystems need from the main window, which is built above them. The main window
// implements it and the program holds it (Program::Main), so the publisher, the import and the other
// subsystems read the field labels, the search flags and the categories, and call the save, the sort and
// the browser, without knowing the main window's class. The values stay in the window's own controls:
// these calls read them there, so what the user typed is what a subsystem sees.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace fv {

class Component;
class Form;

class MainWindow {
public:
    virtual ~MainWindow() = default;

    // The window itself: a publish run takes its input away and repaints it as the progress bar moves.
    virtual Form& Window() = 0;

    // Field n (1 to 20): its label as typed, and whether the published search pages search it.
    virtual const std::string& FieldLabel(int field) const = 0;
    virtual bool FieldSearched(int field) const = 0;
    // The category list, in its order (the entries after the first empty one are not counted).
    virtual const std::vector<std::string>& Categories() const = 0;
    // The file name of the open database as shown (and edited) in the window.
    virtual std::string DatabaseName() const = 0;
    virtual void SetDatabaseName(const std::string& name) = 0;

    // The calendar clock of publishing: the date in the pages and the publishing time.
    virtual std::time_t PublishTime() const = 0;
    // A publish run is going: the window takes no edits and a second run does not start.
    virtual void SetPublishing(bool publishing) = 0;

    // Shows the page named by the program's ViewTarget (the published site or a help page) in the browser.
    virtual void ShowInBrowser(Component* sender) = 0;
    // Saves the database's files; true only when every one of them was written.
    virtual bool SaveDatabase() = 0;
    // Sorts the records by the window's sort order; false when it refused.
    virtual bool SortDatabase(Component* sender) = 0;
};

}  // namespace fv
