// A font in a property stream: an object with the fields that differ from the reference font.
#include "platform/stream/property_table.h"

namespace fv {
namespace {

// The font style is a set of these identifiers.
const EnumNames<unsigned> StyleNames = {
    {FsBold, "fsBold"}, {FsItalic, "fsItalic"}, {FsUnderline, "fsUnderline"}, {FsStrikeOut, "fsStrikeOut"}};

std::vector<std::string> StyleSet(unsigned style) {
    std::vector<std::string> ids;
    for (const auto& [bit, id] : StyleNames)
        if (style & bit) ids.push_back(id);
    return ids;
}

unsigned StyleOfSet(const std::vector<std::string>& ids, const std::string& name) {
    unsigned style = 0;
    for (const std::string& id : ids) {
        bool known = false;
        for (const auto& [bit, text] : StyleNames)
            if (id == text) style |= bit, known = true;
        if (!known) throw PropertyError("Invalid property value of " + name);
    }
    return style;
}

const PropertyTable<Font>& FontTable() {
    static const PropertyTable<Font> table = [] {
        PropertyTable<Font> t;
        t.String("Name", [](const Font& f) { return f.Name; }, [](Font& f, std::string v) { f.Name = std::move(v); });
        // Point sizes a screen or printer can show; a size from a damaged file never reaches the canvas.
        t.Int("Size", [](const Font& f) { return f.Size; }, [](Font& f, int v) { f.Size = v; }, -1000, 1000);
        t.Colour("Color", [](const Font& f) { return f.FontColor; }, [](Font& f, Color v) { f.FontColor = v; });
        t.Add({"Style",
               [](PropertyWriter& w, const Font& f, const Font* ref) {
                   if (!ref || f.Style != ref->Style) w.Set("Style", StyleSet(f.Style));
               },
               [](PropertyRecord& r, Font& f, const PropertyReadContext&) { f.Style = StyleOfSet(r.AsSet(), r.Name()); }});
        t.Int("Angle", [](const Font& f) { return f.Angle; }, [](Font& f, int v) { f.Angle = v; }, -3600, 3600);
        return t;
    }();
    return table;
}

}  // namespace

void WriteFont(PropertyWriter& w, const std::string& name, const Font& f, const Font* ref) {
    w.BeginObject(name);
    FontTable().Write(w, f, ref);
    w.EndObject();
}

void ReadFont(PropertyRecord& r, Font& f, const PropertyReadContext& ctx) { FontTable().Read(r.AsObject(), f, ctx); }

}  // namespace fv
