// Property tables: only values that differ from the reference are written, `when` rules narrow that,
// every value is written without a reference, a base's table serves a derived class, and reading hands
// unknown names, wrong types, out-of-range numbers (also inside a list) and refused values to the error handler.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/stream/property_table.h"

namespace fv {
namespace {

enum class Shape { Round, Square };

struct Thing {
    virtual ~Thing() = default;
    bool On = false;
    int Count = 1;
    double Limit = 0;
    bool Fixed = false;
    std::string Text;
    Shape Form = Shape::Round;
    Font Face;
    std::vector<std::int32_t> Steps;
    void SetLimit(double v) {
        if (v < 0) throw std::invalid_argument("Limit must be >= 0");
        Limit = v;
    }
};

struct BigThing : Thing {
    int Extra = 0;
};

PropertyTable<Thing> ThingTable() {
    PropertyTable<Thing> t;
    t.Bool("On", [](const Thing& x) { return x.On; }, [](Thing& x, bool v) { x.On = v; });
    t.Int("Count", [](const Thing& x) { return x.Count; }, [](Thing& x, int v) { x.Count = v; }, 0, 100);
    t.Double("Limit", [](const Thing& x) { return x.Limit; }, &Thing::SetLimit, [](const Thing& x) { return x.Fixed; });
    t.String("Text", [](const Thing& x) { return x.Text; }, [](Thing& x, std::string v) { x.Text = v; });
    t.Enum("Form", [](const Thing& x) { return x.Form; }, [](Thing& x, Shape v) { x.Form = v; },
           EnumNames<Shape>{{Shape::Round, "shRound"}, {Shape::Square, "shSquare"}});
    t.FontValue("Face", [](const Thing& x) { return x.Face; }, [](Thing& x, const Font& f) { x.Face = f; });
    t.Ints("Steps", [](const Thing& x) { return x.Steps; }, [](Thing& x, std::vector<std::int32_t> v) { x.Steps = v; },
           0, 9);
    return t;
}

std::string Write(const PropertyTable<Thing>& t, const Thing& obj, const Thing* ref) {
    ByteWriter out;
    PropertyWriter w(out);
    t.Write(w, obj, ref);
    w.End();
    return out.Take();
}

std::vector<std::string> Names(const std::string& bytes) {
    ByteReader in(bytes);
    PropertyRecord rec(PropertyType::End, {}, ByteReader({}));
    std::vector<std::string> names;
    while (NextProperty(in, &rec)) names.push_back(rec.Name());
    return names;
}

TEST(PropertyTable, OnlyChangedValuesAreWritten) {
    PropertyTable<Thing> t = ThingTable();
    Thing fresh, changed;
    changed.Count = 5;
    changed.Limit = 3;  // not fixed: the limit is not in use, so it is not stored
    changed.Face.Style = FsBold;
    changed.Steps = {0, 4, 0};
    EXPECT_EQ(Names(Write(t, fresh, &fresh)), std::vector<std::string>{});
    EXPECT_EQ(Names(Write(t, changed, &fresh)), (std::vector<std::string>{"Count", "Face", "Steps"}));
    changed.Fixed = true;
    EXPECT_EQ(Names(Write(t, changed, &fresh)), (std::vector<std::string>{"Count", "Limit", "Face", "Steps"}));
    EXPECT_EQ(Names(Write(t, fresh, nullptr)),
              (std::vector<std::string>{"On", "Count", "Limit", "Text", "Form", "Face", "Steps"}));

    Thing back;
    std::string all = Write(t, changed, nullptr);
    ByteReader in(all);
    t.Read(in, back, {});
    EXPECT_EQ(back.Count, 5);
    EXPECT_EQ(back.Limit, 3);
    EXPECT_EQ(back.Face.Style, unsigned(FsBold));
    EXPECT_EQ(back.Steps, (std::vector<std::int32_t>{0, 4, 0}));
}

TEST(PropertyTable, ADerivedClassAddsToItsBase) {
    PropertyTable<BigThing> t;
    t.Inherit(ThingTable());
    t.Int("Extra", [](const BigThing& x) { return x.Extra; }, [](BigThing& x, int v) { x.Extra = v; }, 0, 10);
    BigThing fresh, big;
    big.On = true;
    big.Extra = 4;
    ByteWriter out;
    PropertyWriter w(out);
    t.Write(w, big, &fresh);
    w.End();
    BigThing back;
    ByteReader in(out.Bytes());
    t.Read(in, back, {});
    EXPECT_TRUE(back.On);
    EXPECT_EQ(back.Extra, 4);
}

TEST(PropertyTable, BadRecordsGoToTheErrorHandler) {
    ByteWriter out;
    PropertyWriter w(out);
    w.Int("Unknown", 1);
    w.String("On", "yes");
    w.Int("Count", 1000);
    w.Double("Limit", -1);
    w.Enum("Form", "shTriangle");
    w.Enum("Form", "shSquare");
    w.Ints("Steps", {1, 2});
    w.Ints("Steps", {3, 10});
    w.End();
    std::vector<std::string> messages;
    Thing t;
    ByteReader in(out.Bytes());
    ThingTable().Read(in, t, {[&](const std::string& m) {
        messages.push_back(m);
        return true;
    }});
    std::vector<std::string> expected = {"Property Unknown does not exist", "Invalid property type of On",
                                         "Invalid property value of Count", "Limit must be >= 0",
                                         "Invalid property value of Form", "Invalid property value of Steps"};
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(t.Form, Shape::Square);
    EXPECT_EQ(t.Count, 1);
    EXPECT_EQ(t.Steps, (std::vector<std::int32_t>{1, 2})) << "a list with one number out of range is refused whole";

    ByteReader again(out.Bytes());
    EXPECT_THROW(ThingTable().Read(again, t, {[](const std::string&) { return false; }}), PropertyError);
}

}  // namespace
}  // namespace fv
