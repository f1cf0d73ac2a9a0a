// Colour, font and file dialogs, and starting programs, on Qt.
#include "view/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QProcess>

#include "view/qt_convert.h"

namespace fv {

namespace {

// A dialog is answered while the screen cursor may be the hourglass of a long operation.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : overridden_(QGuiApplication::overrideCursor() != nullptr) {
        if (overridden_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking() {
        if (overridden_) QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    bool overridden_;
};

QFont ToDialogFont(const Font& font) {
    // The dialog speaks in points, as the model's font does.
    QFont q(ToQString(font.Name));
    q.setPointSize(font.Size > 0 ? font.Size : 8);
    q.setBold(font.Style & FsBold);
    q.setItalic(font.Style & FsItalic);
    q.setUnderline(font.Style & FsUnderline);
    q.setStrikeOut(font.Style & FsStrikeOut);
    return q;
}

Font FromDialogFont(const QFont& q, const Font& initial) {
    Font font = initial;
    font.Name = FromQString(q.family());
    if (q.pointSize() > 0) font.Size = q.pointSize();
    else if (q.pixelSize() > 0) font.Size = int(q.pixelSize() * 72 / 96);
    font.Style = (q.bold() ? FsBold : 0u) | (q.italic() ? FsItalic : 0u) | (q.underline() ? FsUnderline : 0u) |
                 (q.strikeOut() ? FsStrikeOut : 0u);
    return font;
}

// "Pictures (*.jpg;*.gif)" with "*.jpg;*.gif" as Qt writes a filter: "Pictures (*.jpg *.gif)".
QString FilterText(const FileDialogOptions& options) {
    QStringList filters;
    for (const auto& [description, masks] : options.Filters) {
        QString name = ToQString(description);
        if (int paren = int(name.indexOf('(')); paren >= 0) name = name.left(paren).trimmed();
        QString patterns = ToQString(masks);
        patterns.replace(';', ' ');
        filters << name + " (" + patterns + ")";
    }
    return filters.join(";;");
}

std::optional<std::string> RunFileDialog(const FileDialogOptions& options, QFileDialog::AcceptMode mode) {
    ArrowWhileAsking arrow;
    QFileDialog dialog(QApplication::activeWindow(), ToQString(options.Title), ToQString(options.InitialDirectory),
                       FilterText(options));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!options.FileName.empty()) dialog.selectFile(ToQString(options.FileName));
    if (!options.DefaultExtension.empty()) dialog.setDefaultSuffix(ToQString(options.DefaultExtension));
    const QStringList filters = dialog.nameFilters();
    if (options.FilterIndex >= 1 && options.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(options.FilterIndex - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQString(dialog.selectedFiles().front());
}

}  // namespace

std::optional<Color> QtDialogs::ChooseColor(Color initial) {
    ArrowWhileAsking arrow;
    QColorDialog dialog(ToQColor(initial), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<Font> QtDialogs::ChooseFont(const Font& initial) {
    ArrowWhileAsking arrow;
    QFontDialog dialog(ToDialogFont(initial), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FromDialogFont(dialog.selectedFont(), initial);
}

std::optional<std::string> QtDialogs::OpenFile(const FileDialogOptions& options) {
    return RunFileDialog(options, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::SaveFile(const FileDialogOptions& options) {
    return RunFileDialog(options, QFileDialog::AcceptSave);
}

namespace {

// Runs the program with the document as its one argument and waits for its end at most waitMillis: false
// when it cannot be started or ends in that time other than with status 0. A program still running goes
// on unwatched; its process object is freed when it ends and never stops it.
bool StartAndWatch(const QString& program, const std::string& document, int waitMillis) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(program, {ToQString(document)});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (process->waitForFinished(waitMillis)) {
        const bool ended = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return ended;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

}  // namespace

bool QtShell::Open(const std::string& program, const std::string& document) {
    // A browser that hands the page to one already running ends at once with status 0, which is success.
    if (!program.empty()) return StartAndWatch(ToQString(program), document, BrowserWatchMillis);
    // The opener hands the document to the desktop's program for it and ends, with a status that says
    // whether there was one: its start alone proves nothing. Without a desktop of its own it runs the
    // browser itself until it is closed.
    return StartAndWatch(QString::fromLatin1(AssociationOpener), document, OpenerWaitMillis);
}

}  // namespace fv
