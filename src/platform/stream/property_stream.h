// Property records: the typed, self-delimiting items a component is stored as. Each record carries a
// type tag, a name and the length of its payload, so a reader skips a record it does not know without
// understanding it; an owned part (a font, a pen, an axis) is an Object record holding records of its own.
//
// Rules:
// - The writer writes what it is given; which values are worth writing is the property table's business.
// - The reader checks every length against the bytes left (StreamReadError when one does not fit) and
//   every payload against its type (PropertyError when a value cannot be what its record says, which a
//   load may skip).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stream/byte_stream.h"

namespace fv {

enum class PropertyType : std::uint8_t {
    End = 0, Bool = 1, Int = 2, Double = 3, String = 4, Enum = 5, Set = 6, Colour = 7, Strings = 8, Object = 9,
    Ints = 10,
};

// A property that cannot be read as declared: a wrong type, a value out of range, a setter that refused
// it. The stream around it is intact, so a load may skip it and go on.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PropertyWriter {
public:
    explicit PropertyWriter(ByteWriter& out) : out_(out) {}

    void Bool(std::string_view name, bool v);
    void Int(std::string_view name, std::int32_t v);
    void Double(std::string_view name, double v);
    void String(std::string_view name, std::string_view v);
    void Enum(std::string_view name, std::string_view identifier);
    void Set(std::string_view name, const std::vector<std::string>& identifiers);
    void Colour(std::string_view name, std::uint32_t v);
    void Strings(std::string_view name, const std::vector<std::string>& v);
    void Ints(std::string_view name, const std::vector<std::int32_t>& v);
    // An Object record: the records written until EndObject are its own. An object into which nothing
    // was written is dropped whole, so an owned part that holds only defaults leaves no trace.
    void BeginObject(std::string_view name);
    void EndObject();
    // The end of a list of records.
    void End() { out_.U8(std::uint8_t(PropertyType::End)); }

    ByteWriter& Out() { return out_; }

private:
    std::size_t Begin(PropertyType type, std::string_view name);
    ByteWriter& out_;
    struct Open {
        std::size_t Start, Length, Body;
    };
    std::vector<Open> open_;
};

// One record as read: its type and name, and a reader over its payload.
class PropertyRecord {
public:
    PropertyRecord(PropertyType type, std::string name, ByteReader payload)
        : type_(type), name_(std::move(name)), payload_(payload) {}

    PropertyType Type() const { return type_; }
    const std::string& Name() const { return name_; }

    // Each checks the type and that the payload is exactly one value of it (PropertyError otherwise).
    bool AsBool();
    std::int32_t AsInt();
    // NaN and infinities are refused.
    double AsDouble();
    std::string AsString();
    std::string AsEnum();
    std::vector<std::string> AsSet();
    std::uint32_t AsColour();
    std::vector<std::string> AsStrings();
    std::vector<std::int32_t> AsInts();
    // The records of an Object: read them with NextProperty until it answers false.
    ByteReader& AsObject();

private:
    void Expect(PropertyType type) const;
    std::vector<std::string> StringArray();
    PropertyType type_;
    std::string name_;
    ByteReader payload_;
};

// Reads the next record of a list; false at the list's end marker. A type tag this program does not
// know is read like any other record, so that the caller can skip it.
bool NextProperty(ByteReader& in, PropertyRecord* record);

}  // namespace fv
