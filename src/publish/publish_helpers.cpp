// Link values, script escaping, style tags, non-breaking spaces, published files and the republish mark.
#include "publish/publish_helpers.h"

#include "platform/fs/files.h"
#include "platform/ui/control.h"
#include "program/program.h"
#include "program/republish_file.h"
#include "publish/publish_output.h"
#include "publish/publish_setup_form.h"

namespace fv {

namespace {
constexpr std::string_view LinkSeparator = "::";
}  // namespace

std::string LinkTarget(std::string_view value) {
    std::size_t at = value.find(LinkSeparator);
    return std::string(at == std::string_view::npos ? value : value.substr(0, at));
}

std::string LinkDisplayText(std::string_view value) {
    std::size_t at = value.find(LinkSeparator);
    return std::string(at == std::string_view::npos ? value : value.substr(at + LinkSeparator.size()));
}

std::string EscapeForScript(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '<':
            // "</" would end the script element wherever it stands, even inside a string.
            if (i + 1 < text.size() && text[i + 1] == '/') {
                out += "<\\/";
                ++i;
            } else {
                out += '<';
            }
            break;
        default: out += c; break;
        }
    }
    return out;
}

std::string StyleOpenTags(std::string_view style) {
    std::string tags;
    if (style.find("Bold") != std::string_view::npos) tags += "<B>";
    if (style.find("Italic") != std::string_view::npos) tags += "<I>";
    if (style.find("Underline") != std::string_view::npos) tags += "<U>";
    return tags;
}

std::string StyleCloseTags(std::string_view style) {
    std::string tags;
    if (style.find("Underline") != std::string_view::npos) tags += "</U>";
    if (style.find("Italic") != std::string_view::npos) tags += "</I>";
    if (style.find("Bold") != std::string_view::npos) tags += "</B>";
    return tags;
}

std::string SpacesToNbsp(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ') out += "&nbsp;";
        else out += c;
    }
    return out;
}

std::string EscapeForAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string ImageLinkFileName(const std::string& publishedPath, const std::string& extension) {
    const std::size_t keep = publishedPath.size() >= extension.size() ? publishedPath.size() - extension.size() : 0;
    return publishedPath.substr(0, keep) + "img";
}

namespace {

bool ReportMissing(Program& p, const std::string& source) {
    p.App.ShowMessage("Unable to locate file '" + source + "'");
    return false;
}

}  // namespace

bool CopyPublishFile(Program& p, const std::string& source, const std::string& destination) {
    // Published files can always be made again from the database: no need to wait for the disk.
    return CopyFileBytes(source, destination, nullptr, Sync::Regenerable) || ReportMissing(p, source);
}

bool PublishImageFile(Program& p, const std::string& source, PublishOutput& out, const std::string& name,
                      const std::string& extension) {
    if (!p.PublishSetupForm || !p.PublishSetupForm->LinkImagesAtUpload->Checked()) return out.PutCopy(source, name);
    // The image already in its published place (the pictures live in the publish folder) needs no link.
    if (out.Has(name) && SameFile(source, JoinPath(out.Dir(), name))) return true;
    return out.PutPage(ImageLinkFileName(name, extension), source + "\r\n");
}

void SettingChanged(Program& p, bool affectsEveryPage) {
    if (p.IsLoading) return;
    p.Changes.Mark(Change::Settings);
    if (affectsEveryPage) MarkAllForRepublish(p);
}

void NumberTabOrder(Control& parent) {
    int next = 0;
    for (Control* c : parent.Controls()) {
        c->SetTabOrder(next++);
        NumberTabOrder(*c);
    }
}

}  // namespace fv
