// Finding, reading and keeping the series type pictures.
#include "chart/series_pictures.h"

#include <map>

#include "chart/chart_series.h"
#include "chart/series_types.h"
#include "platform/fs/files.h"
#include "platform/gfx/bmp_file.h"

namespace fv {
namespace {

struct PictureStore {
    std::string folder;
    // By file name; a null entry remembers that the file is missing.
    std::map<std::string, BitmapPtr> read;
};

PictureStore& Store() {
    static PictureStore store;
    return store;
}

}  // namespace

void SetSeriesPictureFolder(const std::string& folder) {
    Store().folder = folder;
    Store().read.clear();
}

const std::string& SeriesPictureFolder() { return Store().folder; }

std::string SeriesPictureFileName(const std::string& className) {
    std::string name = className;
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return name + ".bmp";
}

BitmapPtr SeriesClassPicture(const std::string& className) {
    PictureStore& store = Store();
    if (store.folder.empty() || className.empty()) return nullptr;
    const std::string file = SeriesPictureFileName(className);
    auto known = store.read.find(file);
    if (known != store.read.end()) return known->second;
    BitmapPtr picture;
    if (std::optional<std::string> bytes = ReadWholeFile(JoinPath(store.folder, file))) {
        Bitmap decoded;
        if (DecodeBmp(*bytes, decoded)) picture = std::make_shared<const Bitmap>(std::move(decoded));
    }
    store.read.emplace(file, picture);
    return picture;
}

bool LoadSeriesBitmap(const TChartSeries& series, Bitmap& bitmap) {
    const ChartClass* cls = ChartClassOf(series);
    if (!cls) return false;
    BitmapPtr picture = SeriesClassPicture(cls->Name);
    if (!picture) picture = SeriesClassPicture(cls->Parent);
    if (!picture) return false;
    bitmap = *picture;
    return true;
}

void TChartSeries::GalleryBitmap(Bitmap& bitmap) const { LoadSeriesBitmap(*this, bitmap); }

}  // namespace fv
