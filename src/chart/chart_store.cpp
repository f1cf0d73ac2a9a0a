// Saving and loading chart files: the header, the chart and its series as property records, then the
// points of every series.
#include "chart/chart_store.h"

#include <memory>
#include <vector>

#include "chart/series_types.h"
#include "platform/fs/files.h"
#include "platform/text/utf8.h"

namespace fv {
namespace {

// The smallest child record: its length, two empty strings, the end of its properties, no children.
constexpr std::size_t MinChildSize = 4 + 4 + 4 + 1 + 4;

const ChartClass& RegisteredClass(const Component& object) {
    const ChartClass* cls = ChartClassOf(object);
    if (!cls) throw ChartException("Class of " + (object.Name().empty() ? std::string("a chart part") : object.Name()) +
                                   " is not registered for chart files");
    return *cls;
}

// Class name, name, the properties that differ from a fresh object of the class, and no children.
void WriteSeriesComponent(ByteWriter& out, const TChartSeries& series) {
    const ChartClass& cls = RegisteredClass(series);
    std::unique_ptr<Component> fresh(cls.Create(nullptr));
    out.String(cls.Name);
    out.String(series.Name());
    PropertyWriter props(out);
    cls.Properties.Write(props, series, fresh.get());
    props.End();
    out.U32(0);
}

// Frees the made component whichever way it is owned.
void Discard(Component* c) {
    if (Component* owner = c->Owner()) owner->FreeComponent(c);
    else delete c;
}

// Reads one child record into a new series owned by and shown on `chart`; nil when its class is not
// known and the error handler let it be skipped.
TChartSeries* ReadSeriesComponent(ByteReader in, TCustomAxisPanel& chart, const PropertyReadContext& ctx) {
    std::string className = in.String();
    std::string name = in.String();
    const ChartClass* cls = FindChartClass(className);
    Component* made = cls ? cls->Create(&chart) : nullptr;
    auto* series = dynamic_cast<TChartSeries*>(made);
    if (!series) {
        if (made) Discard(made);
        ctx.Fail("Class " + className + " not found");
        return nullptr;
    }
    series->SetName(name);
    series->BeginLoading();
    cls->Properties.Read(in, *series, ctx);
    std::uint32_t children = in.Count(MinChildSize);
    for (std::uint32_t i = 0; i < children; ++i) in.Sub(in.U32());  // a series has no parts stored as children
    series->SetParentChart(&chart);
    return series;
}

// Ends the loading of every series: sources by name, then recalculation. Every series already holds its
// stored points, so the order only decides how often a dependent is recalculated, not what it ends with.
void EndLoading(const std::vector<TChartSeries*>& series) {
    for (TChartSeries* s : series) s->Loaded();
}

// Sets a flag for the lifetime of a scope.
class LoadingScope {
public:
    explicit LoadingScope(TCustomAxisPanel& chart) : chart_(chart), was_(chart.Loading) { chart.Loading = true; }
    ~LoadingScope() { chart_.Loading = was_; }

private:
    TCustomAxisPanel& chart_;
    bool was_;
};

}  // namespace

TChartValueList* IndexValueList(const TChartSeries& series) { return series.PositionList(); }

std::string ChartFileMessage(const std::string& message, const std::string& fileName) {
    return message + " (file \"" + fileName + "\")";
}

std::uint8_t SeriesDataFlags(const TChartSeries& series) {
    // Every point counts: a colour, a label or a position past any fixed number of points is kept too.
    std::uint8_t flags = 0;
    const TChartValueList& index = *IndexValueList(series);
    for (int i = 0; i < series.Count(); ++i) {
        if (index.StoredValue(i) != double(i)) flags |= SeriesHasXValues;
        Color c = series.PointColor(i);
        if (c != AutomaticColour && c != series.SeriesColor()) flags |= SeriesHasColors;
        if (!series.PointLabel(i).empty()) flags |= SeriesHasLabels;
    }
    return flags;
}

void WriteSeriesData(ByteWriter& out, const TChartSeries& series) {
    std::uint8_t flags = SeriesDataFlags(series);
    out.U8(flags);
    out.I32(series.Count());
    const TChartValueList& index = *IndexValueList(series);
    const TChartValueList& mandatory = *series.MandatoryValueList();
    const TChartValueLists& lists = series.ValueLists();
    for (int i = 0; i < series.Count(); ++i) {
        // Stored values, before the list's multiplier: loading stores them again as they are.
        if (flags & SeriesHasXValues) out.F64(index.StoredValue(i));
        out.F64(mandatory.StoredValue(i));
        if (flags & SeriesHasColors) out.U32(std::uint32_t(series.PointColor(i)));
        if (flags & SeriesHasLabels) {
            std::string label = Utf8Truncate(series.PointLabel(i), MaxPointLabel);
            out.U8(std::uint8_t(label.size()));
            out.Raw(label);
        }
        for (std::size_t k = 2; k < lists.size(); ++k) out.F64(lists[k]->StoredValue(i));
    }
}

void ReadSeriesData(ByteReader& in, TChartSeries& series) {
    series.Clear();
    std::uint8_t flags = in.U8();
    std::int32_t count = in.I32();
    const TChartValueLists& lists = series.ValueLists();
    std::size_t pointSize = 8 + 8 * (lists.size() - 2);
    if (flags & SeriesHasXValues) pointSize += 8;
    if (flags & SeriesHasColors) pointSize += 4;
    if (flags & SeriesHasLabels) pointSize += 1;
    if (count < 0 || std::size_t(count) > in.Left() / pointSize) throw StreamReadError("Stream read error");
    bool vertical = series.IsVertical();
    for (std::int32_t i = 0; i < count; ++i) {
        double position = (flags & SeriesHasXValues) ? in.FiniteF64() : 0;
        double value = in.FiniteF64();
        Color colour = (flags & SeriesHasColors) ? Color(in.U32()) : AutomaticColour;
        std::string label;
        if (flags & SeriesHasLabels) {
            std::string_view bytes = in.Raw(in.U8());
            if (!IsValidUtf8(bytes)) throw StreamReadError("Invalid text in stream");
            label = bytes;
        }
        for (std::size_t k = 2; k < lists.size(); ++k) lists[k]->PendingValue = in.FiniteF64();
        // The position goes back into the list it came from, for horizontal series too.
        int added;
        if (flags & SeriesHasXValues)
            added = vertical ? series.AddPoint(position, value, label, colour) : series.AddPoint(value, position, label, colour);
        else
            added = series.AddY(value, label, colour);
        // A point that OnBeforeAdd refused has no place for its extra values.
        if (added >= 0) series.AddExtraValues(added);
    }
}

std::string SaveChartStream(const TCustomAxisPanel& chart) {
    const ChartClass& cls = RegisteredClass(chart);
    std::unique_ptr<Component> fresh(cls.Create(nullptr));
    ByteWriter out;
    out.U16(ChartFileMagic);
    out.U16(ChartFileVersion);
    out.U16(ChartStreamFormat);
    out.String(cls.Name);
    out.String(chart.Name());
    PropertyWriter props(out);
    cls.Properties.Write(props, chart, fresh.get());
    props.End();
    out.U32(std::uint32_t(chart.SeriesCount()));
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        std::size_t at = out.BeginLength();
        WriteSeriesComponent(out, *chart.GetSeries(i));
        out.EndLength(at);
    }
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        std::size_t at = out.BeginLength();
        WriteSeriesData(out, *chart.GetSeries(i));
        out.EndLength(at);
    }
    return out.Take();
}

void SaveChartFile(const TCustomAxisPanel& chart, const std::string& fileName) {
    std::string bytes = SaveChartStream(chart);
    std::string error;
    if (!WriteWholeFile(fileName, bytes, &error)) throw ChartException("Cannot write " + fileName + ": " + error);
}

void LoadChartStream(TCustomAxisPanel* chart, std::string_view bytes, const PropertyErrorHandler& onError) {
    ByteReader in(bytes);
    if (in.Left() < 4 || in.U16() != ChartFileMagic) throw ChartException("Wrong *.CHF file format");
    in.U16();  // the version word: files of every version load alike
    if (!chart) throw ChartException("Invalid Chart in *.CHF file");
    if (in.Left() < 2 || in.U16() != ChartStreamFormat) throw ChartException("Wrong *.CHF file format");
    const ChartClass& cls = RegisteredClass(*chart);
    PropertyReadContext ctx{onError};

    // Everything is read into a fresh chart first; the chart itself changes only once all was read.
    std::unique_ptr<TCustomAxisPanel> fresh(dynamic_cast<TCustomAxisPanel*>(cls.Create(nullptr)));
    if (!fresh) throw ChartException("Invalid Chart in *.CHF file");
    std::vector<TChartSeries*> series;
    {
        LoadingScope loading(*fresh);
        in.String();  // the class the file was saved from: every chart class reads every chart
        in.String();  // the name it had: the chart keeps its own
        cls.Properties.Read(in, *fresh, ctx);
        std::uint32_t children = in.Count(MinChildSize);
        for (std::uint32_t i = 0; i < children; ++i) series.push_back(ReadSeriesComponent(in.Sub(in.U32()), *fresh, ctx));
        for (TChartSeries* s : series) {
            ByteReader record = in.Sub(in.U32());
            if (s) ReadSeriesData(record, *s);
        }
    }
    std::erase(series, nullptr);

    // Take the result over: the settings through the same table, then the series.
    {
        LoadingScope loading(*chart);
        ByteWriter settings;
        PropertyWriter all(settings);
        cls.Properties.Write(all, *fresh, nullptr);
        all.End();
        ByteReader copy(settings.Bytes());
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        cls.Properties.Read(copy, *chart, PropertyReadContext{});
        Component* owner = chart->Owner() ? chart->Owner() : chart;
        for (TChartSeries* s : series) {
            s->SetParentChart(nullptr);
            owner->InsertComponent(s);
            s->SetParentChart(chart);
        }
        fresh.reset();
    }
    // With the chart no longer loading, the series find their sources and recalculate.
    EndLoading(series);
    chart->Invalidate();
}

void LoadChartFile(TCustomAxisPanel* chart, const std::string& fileName) { LoadChartFileEx(chart, fileName, {}); }

void LoadChartFileEx(TCustomAxisPanel* chart, const std::string& fileName, const PropertyErrorHandler& onError) {
    std::optional<std::string> bytes = ReadWholeFile(fileName);
    if (!bytes) throw ChartException("Cannot open file \"" + fileName + "\"");
    // A message about a file names it; the kind of the failure stays.
    try {
        LoadChartStream(chart, *bytes, onError);
    } catch (const StreamReadError& e) {
        throw StreamReadError(ChartFileMessage(e.what(), fileName));
    } catch (const ChartException& e) {
        throw ChartException(ChartFileMessage(e.what(), fileName));
    }
}

}  // namespace fv
