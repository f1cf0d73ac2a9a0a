// Metafiles: pictures kept as the drawing calls that made them. In memory a metafile is the list of calls
// a `MetafileCanvas` recorded (with the drawing state of each, and the pictures it drew), which can be
// replayed on any canvas. On disk it is one of the two public vector formats of the desktop the program
// came from: an enhanced metafile (EMF) or a placeable Windows metafile (WMF), both in device pixels at
// 96 dots per inch.
#pragma once

#include <string>
#include <vector>

#include "platform/gfx/recording_canvas.h"

namespace fv {

struct MetafileRecord {
    CanvasCall Call;
    BitmapPtr Picture;  // the picture of an Image call
};

struct Metafile {
    int Width = 1, Height = 1;  // pixels
    bool Enhanced = true;
    std::vector<MetafileRecord> Records;

    // Draws every call again, each with the state it was made with.
    void Replay(Canvas& target) const;
};

// A canvas that records into a metafile, keeping the pictures drawn on it.
class MetafileCanvas : public RecordingCanvas {
public:
    // The records so far, moved out.
    std::vector<MetafileRecord> TakeRecords();

protected:
    void DoImage(const PixelRect& r, const Bitmap& picture) override;
    void DoSurface(Point p, const Surface& s, bool monochrome) override;

private:
    std::vector<std::pair<std::size_t, BitmapPtr>> pictures;  // call index and picture
};

// The file bytes of the two formats. Texts are written as UTF-16 in EMF and as Latin-1 in WMF (a character
// beyond it becomes "?"); a Bezier becomes a polyline in WMF, which has none.
std::string EncodeEmf(const Metafile& picture);
std::string EncodeWmf(const Metafile& picture);

}  // namespace fv
