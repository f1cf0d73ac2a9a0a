// Distributing rows over records: the program's own record lines and the rows of a foreign delimited
// file (or an ODBC query), as the import wizard mapped their columns to category, fields, images and memo.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/database_state.h"
#include "records/record_text.h"

namespace fv {

// The import wizard's choices for one import.
struct ImportMapping {
    int CategoryColumn = 0;                  // 1-based source column holding the category; 0 = none
    std::string FixedCategory;               // category of every row; empty = none
    std::array<std::string, 24> MapToDB;     // per mapped column: field number text, or empty
    std::array<bool, 24> CheckImage{};       // per mapped column: the value is an image path
    std::string OverflowFields;              // mapped column numbers sent to the memo, maybe "extra columns"
    int Delimiter = TabDelimiter;
};

// Images of a row: the first free slot takes an empty value or the path of an existing file. A path whose
// file is missing does not use up a slot, so the next image moves up; it is not lost either: Finish puts it
// in a slot left free (or, with none left, as a "Bad Image File:" line in the memo) and reports it in
// `missing`, so that the picture can come back and a save never drops the path.
class ImageSlots {
public:
    ImageSlots(DatabaseRecord& rec, std::vector<std::string>* missing) : rec_(rec), missing_(missing) {}
    ~ImageSlots() { Finish(); }
    void Add(const std::string& value);
    void Finish();

private:
    DatabaseRecord& rec_;
    std::vector<std::string>* missing_;
    std::vector<std::string> pending_;
    int used_ = 0;
};

// One line of the program's own file into rec: category, 20 fields, 4 image columns through the image
// slots, further columns into the memo. False when the stream was already at its end.
bool ReadOwnRecord(RecordTextReader& reader, DatabaseRecord& rec, std::vector<std::string>* missingImages);

// Where the value of each mapped column goes, worked out once for a whole import.
struct ImportRoutes {
    explicit ImportRoutes(const ImportMapping& mapping);
    enum class To : std::uint8_t { Nowhere, Field, Image, Memo };
    struct Column {
        To Target = To::Nowhere;
        std::uint8_t Field = 0;  // 0-based field index when Target is Field
    };
    std::array<Column, 24> Columns;

    // The field of rec that mapped column number `mapped` (from 1) fills, or nullptr when it fills none.
    std::string* FieldFor(int mapped, DatabaseRecord& rec) const {
        if (mapped < 1 || mapped > int(Columns.size())) return nullptr;
        const Column& c = Columns[std::size_t(mapped - 1)];
        return c.Target == To::Field ? &rec.Field[c.Field] : nullptr;
    }
};

// One row of a foreign text file. rec is emptied first. False when the stream was already at its end.
// routes are those of mapping.
bool ReadForeignRow(RecordTextReader& reader, const ImportMapping& mapping, const ImportRoutes& routes,
                    DatabaseRecord& rec, std::vector<std::string>* missingImages);

// An ODBC value as the import takes it: at most 300 bytes; the empty text for NULL and for "(null)". Its
// double quotes stay: the fill stores them as two single quotes, as for a text file's values and typed ones.
std::string OdbcImportText(const std::optional<std::string>& value);

// One row of values (an ODBC query's columns, in order). rec is emptied first.
void FillFromValues(const std::vector<std::string>& values, const ImportMapping& mapping, const ImportRoutes& routes,
                    DatabaseRecord& rec, std::vector<std::string>* missingImages);

// The category list after an import put records [from, to) into the table: the list as it is, with every
// category those records carry that it lacks added in the order of first use, before the entry that ends
// the valid part (an empty one or a single blank) when there is one. A record without a category gets
// "Category unknown", as in a new database's list, so that no imported record is left without one.
std::vector<std::string> ListWithImportedCategories(const std::vector<std::string>& list, DatabaseState& db,
                                                    int from, int to);

// The foreign file's bytes with every line end (CR LF, CR or LF alone) made CR LF, and a last line
// without a line end given one, so that every line is a row.
std::string NormaliseLineEnds(const std::string& bytes);

// The overflow list as the load uses it: the text with a comma after it when it has none.
bool InOverflowList(const std::string& overflowList, int mapped);

}  // namespace fv
