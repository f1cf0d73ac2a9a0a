// Reading record lines and foreign rows into records.
#include "records/import_fill.h"

#include <algorithm>

#include "platform/fs/files.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"
#include "records/byte_scan.h"
#include "records/configuration.h"

namespace fv {

void ImageSlots::Add(const std::string& value) {
    if (!value.empty() && !IsReadableFile(value)) {
        pending_.push_back(value);
        if (missing_) missing_->push_back(value);
        return;
    }
    if (used_ >= ImageCount) return;  // a fifth image column has no slot
    rec_.Image[std::size_t(used_++)] = value;
}

void ImageSlots::Finish() {
    for (const std::string& path : pending_) {
        if (used_ < ImageCount) {
            rec_.Image[std::size_t(used_++)] = path;
            continue;
        }
        // A line of its own, also after a memo whose last line has no line break.
        if (!rec_.Memo.empty() && rec_.Memo.back() != '\n') rec_.Memo += "\r\n";
        rec_.Memo += "Bad Image File:" + path + "\r\n";
    }
    pending_.clear();
}

namespace {

// The memo holds at most 4999 bytes, however many pieces or columns a line gave it (the memo box, the
// file's writer and the publisher rely on that limit); a cut never splits a UTF-8 character.
void HoldMemo(DatabaseRecord& rec, ImageSlots& images) {
    images.Finish();
    if (rec.Memo.size() > std::size_t(MaxMemoLength)) rec.Memo = Utf8Truncate(rec.Memo, std::size_t(MaxMemoLength));
}

}  // namespace

bool ReadOwnRecord(RecordTextReader& reader, DatabaseRecord& rec, std::vector<std::string>* missingImages) {
    TextStream& s = reader.Stream();
    if (s.Eof() || s.Position() >= s.Size()) return false;
    rec.Clear();
    ImageSlots images(rec, missingImages);
    std::string value;
    for (int column = 1;; ++column) {
        // The category and the fields are read in place; images and memo pieces pass through value.
        std::string& into = column == 1 ? rec.Category : column <= 21 ? rec.Field[std::size_t(column - 2)] : value;
        const bool rowEnded = reader.ReadField(into, column > 25 ? std::size_t(MaxMemoLength + 1) : MaxSlotLength);
        if (column > 21 && column <= 25) images.Add(value);
        else if (column > 26) rec.Memo.append("\r\n").append(value);  // the memo's next line
        else if (column == 26) rec.Memo = value;
        if (rowEnded) break;
    }
    HoldMemo(rec, images);
    if (reader.EndOfRecord) s.Get();  // the LF after the CR
    return true;
}

bool InOverflowList(const std::string& overflowList, int mapped) {
    std::string list = overflowList;
    if (list.empty() || list.back() != ',') list += ',';
    std::string n = std::to_string(mapped) + ",";
    return list.rfind(n, 0) == 0 || list.find("," + n) != std::string::npos;
}

ImportRoutes::ImportRoutes(const ImportMapping& m) {
    for (std::size_t k = 0; k < Columns.size(); ++k) {
        Column& c = Columns[k];
        if (!m.MapToDB[k].empty()) {
            // A field number outside 1..20 sends the value nowhere.
            const int field = LeadingInteger(m.MapToDB[k]);
            if (field >= 1 && field <= FieldCount) c = {To::Field, std::uint8_t(field - 1)};
        } else if (m.CheckImage[k]) {
            c.Target = To::Image;
        } else if (InOverflowList(m.OverflowFields, int(k) + 1)) {
            c.Target = To::Memo;
        }
    }
}

namespace {

// The category, fields and image paths of an imported row as the record editor stores typed texts; the
// memo keeps its lines (the file stores them).
void CleanImportedSlots(DatabaseRecord& rec) {
    CleanSlotInPlace(rec.Category);
    for (std::string& field : rec.Field) CleanSlotInPlace(field);
    for (std::string& image : rec.Image) CleanSlotInPlace(image);
}

// Routes one value of a mapped column: a field, an image, the memo, or nowhere.
void Route(const ImportRoutes& routes, int mapped, const std::string& value, DatabaseRecord& rec,
           ImageSlots& images) {
    if (std::string* field = routes.FieldFor(mapped, rec)) {
        *field = value;
        return;
    }
    if (mapped < 1 || mapped > 24) return;
    switch (routes.Columns[std::size_t(mapped - 1)].Target) {
    case ImportRoutes::To::Image: images.Add(value); break;
    case ImportRoutes::To::Memo:
        if (!value.empty()) rec.Memo.append(value).append("\r\n");
        break;
    case ImportRoutes::To::Field:
    case ImportRoutes::To::Nowhere: break;
    }
}

}  // namespace

bool ReadForeignRow(RecordTextReader& reader, const ImportMapping& m, const ImportRoutes& routes, DatabaseRecord& rec,
                    std::vector<std::string>* missingImages) {
    TextStream& s = reader.Stream();
    if (s.Eof() || s.Position() >= s.Size()) return false;
    // A row fills its record whole: nothing of an earlier record at this place survives.
    rec.Clear();
    if (!m.FixedCategory.empty()) rec.Category = m.FixedCategory;
    ImageSlots images(rec, missingImages);
    const int budget = m.FixedCategory.empty() ? 25 : 24;
    int mapped = 0;
    bool lineEnded = false;
    std::string value;
    for (int column = 1; column <= budget; ++column) {
        // The category and values bound for a field are read in place; the rest pass through value.
        if (m.CategoryColumn > 0 && column == m.CategoryColumn) {
            lineEnded = reader.ReadField(rec.Category);
        } else if (std::string* field = routes.FieldFor(++mapped, rec)) {
            lineEnded = reader.ReadField(*field);
        } else {
            lineEnded = reader.ReadField(value);
            Route(routes, mapped, value, rec, images);
        }
        // Every column ends the row at the line end, the category column too.
        if (lineEnded) break;
    }
    // Columns beyond the budget reach the memo only when the list asks for "extra columns".
    const bool extras = m.OverflowFields.find("extra columns") != std::string::npos;
    while (!lineEnded) {
        lineEnded = reader.ReadField(value, std::size_t(MaxMemoLength + 1));
        if (extras && !value.empty()) rec.Memo.append(value).append("\r\n");
    }
    // Imported values are stored as the record editor stores typed ones: a TAB or a line break inside a
    // value would break the line of the database file and shift every later column at the next load.
    HoldMemo(rec, images);
    CleanImportedSlots(rec);
    if (reader.EndOfRecord) s.Get();
    return true;
}

std::string OdbcImportText(const std::optional<std::string>& value) {
    if (!value) return {};
    std::string text = Utf8Truncate(*value, MaxSlotLength);
    return text == ConfigNull ? std::string() : text;
}

void FillFromValues(const std::vector<std::string>& values, const ImportMapping& m, const ImportRoutes& routes,
                    DatabaseRecord& rec, std::vector<std::string>* missingImages) {
    rec.Clear();
    if (!m.FixedCategory.empty()) rec.Category = m.FixedCategory;
    ImageSlots images(rec, missingImages);
    const int budget = m.FixedCategory.empty() ? 25 : 24;
    int mapped = 0;
    std::size_t k = 0;
    // A column the query does not have fills nothing, as a text row's missing columns do: a field that a
    // column of the query filled is not blanked by a later one mapped to it by default.
    const int columns = std::min(budget, int(values.size()));
    for (int column = 1; column <= columns; ++column, ++k) {
        const std::string& value = values[k];
        if (m.CategoryColumn > 0 && column == m.CategoryColumn) rec.Category = value;
        else Route(routes, ++mapped, value, rec, images);
    }
    for (; k < values.size(); ++k)
        if (!values[k].empty()) rec.Memo.append(values[k]).append("\r\n");
    HoldMemo(rec, images);
    CleanImportedSlots(rec);
}

std::vector<std::string> ListWithImportedCategories(const std::vector<std::string>& list, DatabaseState& db,
                                                    int from, int to) {
    auto end = std::find_if(list.begin(), list.end(), [](const std::string& c) { return c.empty() || c == " "; });
    std::vector<std::string> valid(list.begin(), end);
    const std::size_t listed = valid.size();
    for (int i = std::max(0, from); i < to && i < MaxRecords; ++i) {
        std::string& category = db.RecordTable[std::size_t(i)].Category;
        if (category.empty() || category == " ") category = "Category unknown";
        if (std::find(valid.begin(), valid.end(), category) == valid.end()) valid.push_back(category);
    }
    if (valid.size() == listed) return list;
    valid.insert(valid.end(), end, list.end());
    return valid;
}

std::string NormaliseLineEnds(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32 + 2);
    const char* d = bytes.data();
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const std::size_t end = FirstOfThree(d, i, n, '\r', '\n', '\n');
        out.append(d + i, end - i);
        if (end == n) break;
        out += "\r\n";
        i = end + (d[end] == '\r' && end + 1 < n && d[end + 1] == '\n' ? 2 : 1);
    }
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    return out;
}

}  // namespace fv
