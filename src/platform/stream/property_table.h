// PropertyTable<T>: the one declaration of what a class stores, used both to write an object and to read
// it back. Each entry names a property, says how to get and set it, and when it is worth writing.
//
// Rules:
// - Writing compares with a reference object of the same class made fresh: only values that differ are
//   written (and only when the entry's own `when` rule also holds). Without a reference every value is
//   written, `when` or not, which copies one object's settings into another through the same table.
// - Reading applies records in the order they come. A record whose name no entry knows, whose type is
//   not the declared one, whose value is out of the declared range or that the setter refuses goes to
//   the load's error handler: true skips it and reading goes on (also the answer without a handler),
//   false stops the load. A record that runs past its bytes always stops the load (StreamReadError).
// - A class adds its own entries to those of its base with Inherit, then its own with a line each:
//
//     PropertyTable<TMySeries> t;
//     t.Inherit(SeriesProperties());
//     t.Int("Radius", &TMySeries::Radius, &TMySeries::SetRadius, 0, 10000);
//     t.Object("Pen", [](TMySeries& s) -> TChartPen& { return s.Pen; }, PenProperties());
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/stream/property_stream.h"

namespace fv {

// The load's answer to a property it cannot take: true skips it, false stops the load.
using PropertyErrorHandler = std::function<bool(const std::string& message)>;

struct PropertyReadContext {
    PropertyErrorHandler OnError;
    // Asks the handler; stops the load (PropertyError) when it says so.
    void Fail(const std::string& message) const {
        if (OnError && !OnError(message)) throw PropertyError(message);
    }
};

// A font's fields as records; with a reference, only those that differ from it.
void WriteFont(PropertyWriter& w, const std::string& name, const Font& f, const Font* ref);
// Applies the records of a font object to f.
void ReadFont(PropertyRecord& r, Font& f, const PropertyReadContext& ctx);

template <class E> using EnumNames = std::vector<std::pair<E, const char*>>;

template <class T> class PropertyTable {
public:
    using When = std::function<bool(const T&)>;
    struct Entry {
        std::string Name;
        // Writes the property of obj when it differs from ref's (every value when ref is null).
        std::function<void(PropertyWriter&, const T& obj, const T* ref)> Write;
        // Applies a record of this name; throws PropertyError or the setter's exception when it cannot.
        std::function<void(PropertyRecord&, T& obj, const PropertyReadContext&)> Read;
    };

    void Add(Entry e) { entries_.push_back(std::move(e)); }
    const std::vector<Entry>& Entries() const { return entries_; }

    // The entries of a base class, reached through the base part of T.
    template <class B> void Inherit(const PropertyTable<B>& base) {
        for (const auto& e : base.Entries()) {
            Add({e.Name,
                 [w = e.Write](PropertyWriter& out, const T& obj, const T* ref) {
                     w(out, static_cast<const B&>(obj), ref ? static_cast<const B*>(ref) : nullptr);
                 },
                 [r = e.Read](PropertyRecord& rec, T& obj, const PropertyReadContext& ctx) {
                     r(rec, static_cast<B&>(obj), ctx);
                 }});
        }
    }

    // The same entries for objects of a base class U that are known to be T (a registry entry found by
    // the object's own type).
    template <class U> PropertyTable<U> Downcast() const {
        PropertyTable<U> t;
        for (const auto& e : entries_) {
            t.Add({e.Name,
                   [w = e.Write](PropertyWriter& out, const U& obj, const U* ref) {
                       w(out, static_cast<const T&>(obj), ref ? static_cast<const T*>(ref) : nullptr);
                   },
                   [r = e.Read](PropertyRecord& rec, U& obj, const PropertyReadContext& ctx) {
                       r(rec, static_cast<T&>(obj), ctx);
                   }});
        }
        return t;
    }

    template <class G, class S> void Bool(std::string name, G get, S set, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, bool v) { w.Bool(n, v); },
                 [](PropertyRecord& r) { return r.AsBool(); });
    }
    // Values outside lo..hi are refused: counts and sizes from a file never drive a loop unbounded.
    template <class G, class S>
    void Int(std::string name, G get, S set, std::int32_t lo, std::int32_t hi, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, std::int32_t v) { w.Int(n, v); },
                 [lo, hi](PropertyRecord& r) {
                     std::int32_t v = r.AsInt();
                     if (v < lo || v > hi) throw PropertyError("Invalid property value of " + r.Name());
                     return v;
                 });
    }
    // NaN and infinities are never read.
    template <class G, class S> void Double(std::string name, G get, S set, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, double v) { w.Double(n, v); },
                 [](PropertyRecord& r) { return r.AsDouble(); });
    }
    template <class G, class S> void String(std::string name, G get, S set, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, const std::string& v) { w.String(n, v); },
                 [](PropertyRecord& r) { return r.AsString(); });
    }
    template <class G, class S> void Colour(std::string name, G get, S set, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, std::int32_t v) { w.Colour(n, std::uint32_t(v)); },
                 [](PropertyRecord& r) { return std::int32_t(r.AsColour()); });
    }
    template <class G, class S> void Strings(std::string name, G get, S set, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, const std::vector<std::string>& v) { w.Strings(n, v); },
                 [](PropertyRecord& r) { return r.AsStrings(); });
    }
    // A list of numbers; a list with a number outside lo..hi is refused whole.
    template <class G, class S>
    void Ints(std::string name, G get, S set, std::int32_t lo, std::int32_t hi, When when = {}) {
        AddValue(std::move(name), get, set, std::move(when),
                 [](PropertyWriter& w, const std::string& n, const std::vector<std::int32_t>& v) { w.Ints(n, v); },
                 [lo, hi](PropertyRecord& r) {
                     std::vector<std::int32_t> v = r.AsInts();
                     for (std::int32_t i : v)
                         if (i < lo || i > hi) throw PropertyError("Invalid property value of " + r.Name());
                     return v;
                 });
    }
    // An enumeration stored by the identifier of its value; an identifier not in `names` is refused.
    template <class E, class G, class S>
    void Enum(std::string name, G get, S set, EnumNames<E> names, When when = {}) {
        auto shared = std::make_shared<const EnumNames<E>>(std::move(names));
        AddValue(std::move(name), get, set, std::move(when),
                 [shared](PropertyWriter& w, const std::string& n, E v) {
                     for (const auto& [value, id] : *shared)
                         if (value == v) return w.Enum(n, id);
                 },
                 [shared](PropertyRecord& r) {
                     std::string id = r.AsEnum();
                     for (const auto& [value, text] : *shared)
                         if (id == text) return value;
                     throw PropertyError("Invalid property value of " + r.Name());
                 });
    }
    // A font as an object of its own fields; only those that differ from the reference's are written.
    template <class G, class S> void FontValue(std::string name, G get, S set, When when = {}) {
        Add({name,
             [name, get, when](PropertyWriter& w, const T& obj, const T* ref) {
                 if (ref && when && !when(obj)) return;
                 Font v = std::invoke(get, obj);
                 if (ref) {
                     Font d = std::invoke(get, *ref);
                     if (v == d) return;
                     WriteFont(w, name, v, &d);
                 } else {
                     WriteFont(w, name, v, nullptr);
                 }
             },
             [get, set](PropertyRecord& r, T& obj, const PropertyReadContext& ctx) {
                 Font f = std::invoke(get, obj);
                 ReadFont(r, f, ctx);
                 std::invoke(set, obj, f);
             }});
    }
    // An owned part with a table of its own, reached through `access` (which answers a reference).
    template <class P, class A> void Object(std::string name, A access, const PropertyTable<P>& table) {
        auto shared = std::make_shared<const PropertyTable<P>>(table);
        Add({name,
             [name, access, shared](PropertyWriter& w, const T& obj, const T* ref) {
                 T& o = const_cast<T&>(obj);
                 w.BeginObject(name);
                 shared->Write(w, std::invoke(access, o), ref ? &std::invoke(access, const_cast<T&>(*ref)) : nullptr);
                 w.EndObject();
             },
             [access, shared](PropertyRecord& r, T& obj, const PropertyReadContext& ctx) {
                 shared->Read(r.AsObject(), std::invoke(access, obj), ctx);
             }});
    }

    void Write(PropertyWriter& w, const T& obj, const T* ref) const {
        for (const auto& e : entries_) e.Write(w, obj, ref);
    }

    // Reads records up to the end marker and applies them to obj.
    void Read(ByteReader& in, T& obj, const PropertyReadContext& ctx) const {
        PropertyRecord rec(PropertyType::End, {}, ByteReader({}));
        while (NextProperty(in, &rec)) {
            const Entry* entry = Find(rec.Name());
            if (!entry) {
                ctx.Fail("Property " + rec.Name() + " does not exist");
                continue;
            }
            try {
                entry->Read(rec, obj, ctx);
            } catch (const StreamReadError&) {
                throw;
            } catch (const std::exception& e) {
                ctx.Fail(e.what());
            }
        }
    }

    const Entry* Find(const std::string& name) const {
        for (const auto& e : entries_)
            if (e.Name == name) return &e;
        return nullptr;
    }

private:
    template <class G, class S, class W, class R>
    void AddValue(std::string name, G get, S set, When when, W write, R read) {
        Add({name,
             [name, get, when, write](PropertyWriter& w, const T& obj, const T* ref) {
                 if (ref && when && !when(obj)) return;
                 auto v = std::invoke(get, obj);
                 if (ref && v == std::invoke(get, *ref)) return;
                 write(w, name, v);
             },
             [set, read](PropertyRecord& r, T& obj, const PropertyReadContext&) {
                 std::invoke(set, obj, read(r));
             }});
    }

    std::vector<Entry> entries_;
};


}  // namespace fv
