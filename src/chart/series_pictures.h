// The series type pictures: one small picture per series class, which the chart editor shows beside each
// series (the series list's first column, the series page beside the type's name).
//
// Rules:
// - The pictures are BMP files in one folder, each named after its class in capitals with ".bmp"
//   ("TLINESERIES.bmp" for TLineSeries). The program points SetSeriesPictureFolder at the folder it ships
//   when it starts; while none is set, no picture is found.
// - A series takes the picture of its own class, else that of its class's parent (the parent's name as
//   the class registry records it), else none: then the bitmap it is given stays as it was.
// - A file is read once; later asks are answered from memory until the folder is set again. A file that
//   cannot be read or is no BMP counts as missing.
#pragma once

#include <string>

#include "platform/gfx/bitmap.h"

namespace fv {

class TChartSeries;

void SetSeriesPictureFolder(const std::string& folder);
const std::string& SeriesPictureFolder();

// "TLINESERIES.bmp" for "TLineSeries".
std::string SeriesPictureFileName(const std::string& className);
// The picture of that class name itself (no parent); none when there is none.
BitmapPtr SeriesClassPicture(const std::string& className);

// Fills `bitmap` with the series type's picture (its class's, else its parent class's); answers whether
// one was found. Without one the bitmap is untouched.
bool LoadSeriesBitmap(const TChartSeries& series, Bitmap& bitmap);

}  // namespace fv
