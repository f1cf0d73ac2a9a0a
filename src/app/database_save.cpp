// Saving the open database: the database text file, the configuration file, the chart settings file
// when the chart changed, and the republish-flag file, each written whole or not at all.
#include <chrono>
#include <cmath>

#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "chart/chart_store.h"
#include "chartui/window/chart_window.h"
#include "import/overwrite_form.h"
#include "platform/fs/files.h"
#include "records/configuration.h"
#include "records/configuration_reader.h"
#include "records/record_text.h"

namespace fv {

void TFolivexForm::SaveDBButtonClick(Component*) { SaveDatabase(); }

bool TFolivexForm::SaveDatabase() {
    Application& app = P.App;
    if (P.ImportPending && !P.OdbcImport) {
        // The first save of imported text: overwrite the file it came from, or save under a new name.
        app.Beep(BeepKind::Question);
        if (P.OverwriteForm->ShowModal() == MrCancel) return false;
    }
    P.ImportPending = 0;
    const auto start = std::chrono::steady_clock::now();
    if (!P.DatabaseDirectory.empty() && !ReturnToDatabaseDirectory(P)) {
        // Never write the files somewhere else than beside the database.
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("Unable to Save Database !");
        return false;
    }
    // An empty database is saved too (a count line of 0), so that deleting the last record sticks.
    if (P.Inserting || P.RecordModified) SaveButtonClick(this);

    TSaveForm& form = *P.SaveForm;
    form.SaveProgressBar->SetPosition(0);
    form.Show();
    form.Repaint();
    app.Beep(BeepKind::Default);

    auto fail = [&](const char* message) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage(message);
        form.Hide();
        return false;
    };

    // The progress counts record lines in percent: lines times a float step of 100 / records, rounded
    // down (so the bar may stop just short of 100), and it only moves forward.
    const float step = P.RecordCount > 0 ? 100.0f / float(P.RecordCount) : 100.0f;
    int lines = -1;  // the count line comes first
    WholeFileWriter database(P.DatabaseFileName);
    DatabaseTextTo(P, [&](std::string_view line) {
        database.Write(line);
        if (++lines <= 0) return;
        int percent = int(std::floor(float(lines) * step));
        if (percent > form.SaveProgressBar->Position()) {
            form.SaveProgressBar->SetPosition(percent);
            form.SaveProgressBar->Repaint();
        }
    });
    if (!database.Commit()) return fail("Unable to Save Database !");

    if (!KeepUnreadConfiguration()) {
        form.Hide();
        return false;
    }
    if (!WriteWholeFile(P.ConfigFileName, ConfigurationText(app, P)))
        return fail("Unable to Save Database Configuration data !");
    // A chart edited in the open chart window is saved with the database: the question notes it first.
    if (P.Changes.ChartFileDue() && P.RozizAForm) {
        // The chart store replaces the file whole or leaves it as it was; a failure is reported and the
        // database stays marked as not saved.
        try {
            SaveChartFile(*P.RozizAForm->ChartVue, P.ChartFileName);
        } catch (const std::exception& e) {
            app.Beep(BeepKind::Exclamation);
            app.ShowException(e);
            form.Hide();
            return false;
        }
    }
    if (!WriteRepublishFile(false)) {
        form.Hide();
        return false;
    }
    // Everything is on disk: only now is the database in step with memory.
    P.Changes.Clear(Settled::Saved);

    form.SaveProgressBar->Repaint();
    form.Repaint();
    // The save form stays up about a second, so a quick save is still seen; the program does not wait.
    if (std::chrono::steady_clock::now() - start <= std::chrono::seconds(1)) form.HideAfter(1000);
    else form.Hide();
    return true;
}

bool TFolivexForm::KeepUnreadConfiguration() {
    if (unreadConfigFile_.empty() || unreadConfigFile_ != P.ConfigFileName) return true;
    if (PathExistsOnDisk(P.ConfigFileName)) {
        // Never over an earlier kept file: a name taken since the load gives the next free one.
        if (PathExistsOnDisk(keptConfigFile_)) keptConfigFile_ = KeptConfigurationName(P.ConfigFileName);
        std::string error;
        const std::optional<std::string> bytes = ReadWholeFile(P.ConfigFileName);
        if (!bytes || !WriteWholeFile(keptConfigFile_, *bytes, &error)) {
            P.App.Beep(BeepKind::Exclamation);
            P.App.ShowMessage("Unable to keep the old configuration file as '" + keptConfigFile_ +
                              "'" + (error.empty() ? std::string() : ": " + error) +
                              ". The database configuration was not saved.");
            return false;
        }
    }
    unreadConfigFile_.clear();
    return true;
}

}  // namespace fv
