// Writing and reading property records.
#include "platform/stream/property_stream.h"

#include <cmath>

#include "platform/text/utf8.h"

namespace fv {

std::size_t PropertyWriter::Begin(PropertyType type, std::string_view name) {
    out_.U8(std::uint8_t(type));
    out_.String(name);
    return out_.BeginLength();
}

void PropertyWriter::Bool(std::string_view name, bool v) {
    std::size_t at = Begin(PropertyType::Bool, name);
    out_.U8(v ? 1 : 0);
    out_.EndLength(at);
}

void PropertyWriter::Int(std::string_view name, std::int32_t v) {
    std::size_t at = Begin(PropertyType::Int, name);
    out_.I32(v);
    out_.EndLength(at);
}

void PropertyWriter::Double(std::string_view name, double v) {
    std::size_t at = Begin(PropertyType::Double, name);
    out_.F64(v);
    out_.EndLength(at);
}

void PropertyWriter::String(std::string_view name, std::string_view v) {
    std::size_t at = Begin(PropertyType::String, name);
    out_.Raw(v);
    out_.EndLength(at);
}

void PropertyWriter::Enum(std::string_view name, std::string_view identifier) {
    std::size_t at = Begin(PropertyType::Enum, name);
    out_.Raw(identifier);
    out_.EndLength(at);
}

void PropertyWriter::Set(std::string_view name, const std::vector<std::string>& identifiers) {
    std::size_t at = Begin(PropertyType::Set, name);
    out_.U32(std::uint32_t(identifiers.size()));
    for (const std::string& s : identifiers) out_.String(s);
    out_.EndLength(at);
}

void PropertyWriter::Colour(std::string_view name, std::uint32_t v) {
    std::size_t at = Begin(PropertyType::Colour, name);
    out_.U32(v);
    out_.EndLength(at);
}

void PropertyWriter::Strings(std::string_view name, const std::vector<std::string>& v) {
    std::size_t at = Begin(PropertyType::Strings, name);
    out_.U32(std::uint32_t(v.size()));
    for (const std::string& s : v) out_.String(s);
    out_.EndLength(at);
}

void PropertyWriter::Ints(std::string_view name, const std::vector<std::int32_t>& v) {
    std::size_t at = Begin(PropertyType::Ints, name);
    out_.U32(std::uint32_t(v.size()));
    for (std::int32_t i : v) out_.I32(i);
    out_.EndLength(at);
}

void PropertyWriter::BeginObject(std::string_view name) {
    std::size_t start = out_.Size();
    std::size_t length = Begin(PropertyType::Object, name);
    open_.push_back({start, length, out_.Size()});
}

void PropertyWriter::EndObject() {
    Open o = open_.back();
    open_.pop_back();
    // An owned part that holds only defaults leaves no trace.
    if (out_.Size() == o.Body) {
        out_.Truncate(o.Start);
        return;
    }
    End();
    out_.EndLength(o.Length);
}

void PropertyRecord::Expect(PropertyType type) const {
    if (type_ != type) throw PropertyError("Invalid property type of " + name_);
}

bool PropertyRecord::AsBool() {
    Expect(PropertyType::Bool);
    ByteReader in = payload_;
    if (in.Left() != 1) throw PropertyError("Invalid property value of " + name_);
    std::uint8_t b = in.U8();
    if (b > 1) throw PropertyError("Invalid property value of " + name_);
    return b == 1;
}

std::int32_t PropertyRecord::AsInt() {
    Expect(PropertyType::Int);
    ByteReader in = payload_;
    if (in.Left() != 4) throw PropertyError("Invalid property value of " + name_);
    return in.I32();
}

double PropertyRecord::AsDouble() {
    Expect(PropertyType::Double);
    ByteReader in = payload_;
    if (in.Left() != 8) throw PropertyError("Invalid property value of " + name_);
    double v = in.F64();
    if (!std::isfinite(v)) throw PropertyError("Invalid floating point value of " + name_);
    return v;
}

std::string PropertyRecord::AsString() {
    Expect(PropertyType::String);
    ByteReader in = payload_;
    if (in.Left() > MaxStreamString) throw PropertyError("String too long in " + name_);
    std::string_view s = in.Raw(in.Left());
    if (!IsValidUtf8(s)) throw PropertyError("Invalid text in " + name_);
    return std::string(s);
}

std::string PropertyRecord::AsEnum() {
    Expect(PropertyType::Enum);
    ByteReader in = payload_;
    std::string_view s = in.Raw(in.Left());
    if (!IsValidUtf8(s)) throw PropertyError("Invalid property value of " + name_);
    return std::string(s);
}

std::vector<std::string> PropertyRecord::StringArray() {
    ByteReader in = payload_;
    try {
        std::uint32_t n = in.Count(4);
        std::vector<std::string> items;
        items.reserve(n);
        for (std::uint32_t i = 0; i < n; ++i) items.push_back(in.String());
        if (!in.AtEnd()) throw PropertyError("Invalid property value of " + name_);
        return items;
    } catch (const StreamReadError&) {
        // The record's own length kept the damage inside it: the stream around it goes on.
        throw PropertyError("Invalid property value of " + name_);
    }
}

std::vector<std::string> PropertyRecord::AsSet() {
    Expect(PropertyType::Set);
    return StringArray();
}

std::vector<std::string> PropertyRecord::AsStrings() {
    Expect(PropertyType::Strings);
    return StringArray();
}

std::vector<std::int32_t> PropertyRecord::AsInts() {
    Expect(PropertyType::Ints);
    ByteReader in = payload_;
    // The count must be exactly what the record holds: nothing is made from a count that lies.
    if (in.Left() < 4) throw PropertyError("Invalid property value of " + name_);
    std::uint32_t n = in.U32();
    if (in.Left() % 4 != 0 || in.Left() / 4 != n) throw PropertyError("Invalid property value of " + name_);
    std::vector<std::int32_t> items(n);
    for (std::int32_t& i : items) i = in.I32();
    return items;
}

std::uint32_t PropertyRecord::AsColour() {
    Expect(PropertyType::Colour);
    ByteReader in = payload_;
    if (in.Left() != 4) throw PropertyError("Invalid property value of " + name_);
    return in.U32();
}

ByteReader& PropertyRecord::AsObject() {
    Expect(PropertyType::Object);
    return payload_;
}

bool NextProperty(ByteReader& in, PropertyRecord* record) {
    auto type = PropertyType(in.U8());
    if (type == PropertyType::End) return false;
    std::string name = in.String();
    std::uint32_t length = in.U32();
    *record = PropertyRecord(type, std::move(name), in.Sub(length));
    return true;
}

}  // namespace fv
