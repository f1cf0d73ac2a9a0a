// The chart file store: a whole chart (its settings, its series with their settings and every point)
// saved to and loaded from one file. The byte layout is in docs/chart_file_format.md.
//
// Rules:
// - Saving writes the whole new file beside the old one and renames it over it: a failed save leaves
//   the old file as it was and raises ChartException with the reason.
// - Loading reads into a fresh chart of the same class and takes the result over only when the whole
//   file was read: a file that is foreign, cut short or damaged raises an exception and leaves the chart
//   exactly as it was. Properties that cannot be taken go to the error handler (skipped without one).
// - The loaded series belong to the chart's owner (the chart itself when it has none). Data sources and
//   functions are resolved once every series and every point is in, so a series stored before its
//   sources loads full.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/axis_panel.h"
#include "chart/chart_series.h"
#include "platform/stream/byte_stream.h"
#include "platform/stream/property_table.h"

namespace fv {

constexpr std::uint16_t ChartFileMagic = 0x3060;
constexpr std::uint16_t ChartFileVersion = 153;
// The layout of what follows the header; a file of another layout is refused.
constexpr std::uint16_t ChartStreamFormat = 1;

// Flag bits of a series data record.
enum : std::uint8_t { SeriesHasXValues = 1, SeriesHasColors = 2, SeriesHasLabels = 4 };
// A label keeps at most this many bytes.
constexpr std::size_t MaxPointLabel = 255;

// The file's bytes for the chart. The chart's class and those of its series must be registered.
std::string SaveChartStream(const TCustomAxisPanel& chart);
void SaveChartFile(const TCustomAxisPanel& chart, const std::string& fileName);

// "Wrong *.CHF file format" for a foreign file, "Invalid Chart in *.CHF file" without a chart,
// StreamReadError for a damaged one; the chart is untouched by any of them.
void LoadChartStream(TCustomAxisPanel* chart, std::string_view bytes, const PropertyErrorHandler& onError = {});
// The same refusals for a file, their message naming the file (ChartFileMessage); a file that cannot be
// opened raises ChartException "Cannot open file "<name>"".
void LoadChartFile(TCustomAxisPanel* chart, const std::string& fileName);
void LoadChartFileEx(TCustomAxisPanel* chart, const std::string& fileName, const PropertyErrorHandler& onError);

// A message about a chart file with the file's name: `Wrong *.CHF file format (file "a.cht")`.
std::string ChartFileMessage(const std::string& message, const std::string& fileName);

// The list along which points are placed: XValues for a vertical series, YValues for a horizontal one.
TChartValueList* IndexValueList(const TChartSeries& series);
std::uint8_t SeriesDataFlags(const TChartSeries& series);
void WriteSeriesData(ByteWriter& out, const TChartSeries& series);
void ReadSeriesData(ByteReader& in, TChartSeries& series);

}  // namespace fv
