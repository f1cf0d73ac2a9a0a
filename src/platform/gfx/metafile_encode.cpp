// Writing a recorded metafile as EMF or as placeable WMF.
//
// Both formats are a header and a list of records that set the device context's state (pen, brush, font,
// colours, modes) through numbered objects and then draw. One walker turns the recorded calls into state
// changes and drawings, emitting a state record only when the state differs from what was last set; each
// format writes its own record layouts. A clip is a saved device context with the clip rectangle
// intersected, and unclipping restores it, after which every state is set again.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>

#include "platform/gfx/bmp_file.h"
#include "platform/gfx/metafile.h"
#include "platform/text/utf8.h"

namespace fv {

namespace {

class Bytes {
public:
    std::string data;
    void U8(unsigned v) { data += char(v & 0xFF); }
    void U16(unsigned v) { U8(v); U8(v >> 8); }
    void U32(std::uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
    void I16(int v) { U16(unsigned(std::clamp(v, -32768, 32767)) & 0xFFFF); }
    void I32(int v) { U32(std::uint32_t(v)); }
    void Pad(std::size_t multiple) { while (data.size() % multiple) data += '\0'; }
    void Patch32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = char((v >> (8 * i)) & 0xFF);
    }
    void Patch16(std::size_t at, unsigned v) {
        data[at] = char(v & 0xFF);
        data[at + 1] = char((v >> 8) & 0xFF);
    }
};

unsigned PenStyleCode(PenStyle s, bool enhanced) {
    switch (s) {
    case PenStyle::Solid: return 0;
    case PenStyle::Dash: return 1;
    case PenStyle::Dot: return 2;
    case PenStyle::DashDot: return 3;
    case PenStyle::DashDotDot: return 4;
    case PenStyle::Clear: return 5;
    case PenStyle::InsideFrame: return 6;
    case PenStyle::SmallDots: return enhanced ? 8 : 2;  // alternate dots exist only in EMF
    }
    return 0;
}

unsigned RopCode(PenMode m) {
    switch (m) {
    case PenMode::NotXor: return 10;
    case PenMode::Xor: return 7;
    case PenMode::Not: return 6;
    default: return 13;
    }
}

// Brush style (solid 0, none 1, hatched 2) and hatch.
std::pair<unsigned, unsigned> BrushCodes(BrushStyle s) {
    switch (s) {
    case BrushStyle::Clear: return {1, 0};
    case BrushStyle::Horizontal: return {2, 0};
    case BrushStyle::Vertical: return {2, 1};
    case BrushStyle::FDiagonal: return {2, 2};
    case BrushStyle::BDiagonal: return {2, 3};
    case BrushStyle::Cross: return {2, 4};
    case BrushStyle::DiagCross: return {2, 5};
    default: return {0, 0};
    }
}

// A cubic Bezier (1 + 3n points) as a polyline of 16 steps a segment.
std::vector<Point> Flatten(const std::vector<Point>& p) {
    std::vector<Point> out;
    if (p.empty()) return out;
    out.push_back(p[0]);
    for (std::size_t i = 0; i + 3 < p.size(); i += 3) {
        for (int s = 1; s <= 16; ++s) {
            const double t = s / 16.0, u = 1 - t;
            const double x = u * u * u * p[i].X + 3 * u * u * t * p[i + 1].X + 3 * u * t * t * p[i + 2].X + t * t * t * p[i + 3].X;
            const double y = u * u * u * p[i].Y + 3 * u * u * t * p[i + 1].Y + 3 * u * t * t * p[i + 2].Y + t * t * t * p[i + 3].Y;
            out.push_back({int(std::lround(x)), int(std::lround(y))});
        }
    }
    return out;
}

// The DIB of a picture: its info header and bottom-up 24-bit rows, as a BMP file holds them after its
// 14-byte file header.
std::string Dib(const Bitmap& picture) { return EncodeBmp24(picture).substr(14); }

class Encoder {
public:
    explicit Encoder(const Metafile& m, int firstHandle) : mf(m), nextFree(firstHandle), firstHandle(firstHandle) {}
    virtual ~Encoder() = default;

    void Walk() {
        for (const MetafileRecord& r : mf.Records) {
            const CanvasCall& c = r.Call;
            SyncClip(c.State.Clip);
            if (c.Op == "Clip" || c.Op == "Unclip") continue;
            const CanvasState& s = c.State;
            const std::vector<Point>& p = c.Points;
            auto at = [&](std::size_t i) { return i < p.size() ? p[i] : Point{}; };
            if (c.Op == "Pixel") {
                Pixel(at(0), ResolveColor(c.PixelColor));
            } else if (c.Op == "Text") {
                SyncFont(s.CanvasFont);
                Sync(textAlign, s.TextAlign, [&](unsigned v) { TextAlign(v); });
                Sync(bkMode, unsigned(s.Background), [&](unsigned v) { BkMode(v); });
                Sync(bkColor, ResolveColor(s.BackColor), [&](Color v) { BkColor(v); });
                Sync(textColor, ResolveColor(s.CanvasFont.FontColor), [&](Color v) { TextColor(v); });
                Text(at(0), c.Text, s.CanvasFont);
            } else if (c.Op == "Image") {
                if (r.Picture && !r.Picture->Empty()) Image({at(0).X, at(0).Y, at(1).X, at(1).Y}, *r.Picture);
            } else {
                const bool fill = c.Op == "FillRect";
                Pen pen = s.CanvasPen;
                if (fill) pen.Style = PenStyle::Clear;  // the brush only
                SyncPen(pen);
                Sync(rop, RopCode(s.CanvasPen.Mode), [&](unsigned v) { Rop2(v); });
                if (c.Op != "Polyline" && c.Op != "Arc") {
                    SyncBrush(s.CanvasBrush);
                    Sync(bkMode, unsigned(s.Background), [&](unsigned v) { BkMode(v); });
                    Sync(bkColor, ResolveColor(s.BackColor), [&](Color v) { BkColor(v); });
                }
                if (c.Op == "Polyline" || c.Op == "Polygon" || c.Op == "Bezier") Poly(c.Op, p);
                else if (fill) Shape("Rectangle", {at(0), {at(1).X + 1, at(1).Y + 1}});
                else Shape(c.Op, p);
            }
        }
        if (clipped) RestoreDC();
    }

protected:
    // Records of the format.
    virtual void CreatePen(int handle, const Pen& p) = 0;
    virtual void CreateBrush(int handle, const Brush& b) = 0;
    virtual void CreateFont(int handle, const Font& f) = 0;
    virtual void Select(int handle) = 0;
    virtual void Delete(int handle) = 0;
    virtual void TextColor(Color c) = 0;
    virtual void BkColor(Color c) = 0;
    virtual void BkMode(unsigned m) = 0;
    virtual void TextAlign(unsigned a) = 0;
    virtual void Rop2(unsigned r) = 0;
    virtual void SaveDC() = 0;
    virtual void RestoreDC() = 0;
    virtual void IntersectClip(const PixelRect& r) = 0;
    virtual void Pixel(Point p, Color c) = 0;
    virtual void Poly(const std::string& op, const std::vector<Point>& pts) = 0;
    // Rectangle, Ellipse: two corners; RoundRect adds the corner size; Arc and Pie the start and end.
    virtual void Shape(const std::string& op, const std::vector<Point>& pts) = 0;
    virtual void Text(Point p, const std::string& text, const Font& f) = 0;
    virtual void Image(const PixelRect& r, const Bitmap& picture) = 0;

    const Metafile& mf;
    int highestHandle = 0;

private:
    template <class T, class F> void Sync(std::optional<T>& current, T wanted, F emit) {
        if (current == wanted) return;
        current = wanted;
        emit(wanted);
    }
    int Allocate() {
        int h = nextFree;
        while (used.count(h)) ++h;
        used.insert(h);
        highestHandle = std::max(highestHandle, h);
        nextFree = firstHandle;
        return h;
    }
    void Free(int h) { used.erase(h); }
    // Creates the new object, selects it, and only then deletes the one it replaces.
    template <class T, class Create> void Replace(std::optional<T>& current, int& handle, const T& wanted, Create create) {
        if (current == wanted) return;
        const int old = handle;
        handle = Allocate();
        create(handle);
        Select(handle);
        if (old >= 0) {
            Delete(old);
            Free(old);
        }
        current = wanted;
    }
    void SyncPen(Pen p) {
        p.PenColor = ResolveColor(p.PenColor);
        p.Mode = PenMode::Copy;
        Replace(pen, penHandle, p, [&](int h) { CreatePen(h, p); });
    }
    void SyncBrush(const Brush& b) {
        Brush plain{ResolveColor(b.BrushColor), b.Pattern ? BrushStyle::Solid : b.Style, nullptr};
        Replace(brush, brushHandle, plain, [&](int h) { CreateBrush(h, plain); });
    }
    void SyncFont(const Font& f) {
        Font key = f;
        key.FontColor = 0;  // the colour is the text colour, not part of the font object
        Replace(font, fontHandle, key, [&](int h) { CreateFont(h, key); });
    }
    void SyncClip(const ClipArea& clip) {
        if (clip == currentClip) return;
        if (clipped) {
            RestoreDC();
            // The restored context has its old selection: set everything again.
            pen.reset();
            brush.reset();
            font.reset();
            textColor.reset();
            bkColor.reset();
            bkMode.reset();
            textAlign.reset();
            rop.reset();
        }
        clipped = clip.Active;
        if (clipped) {
            SaveDC();
            IntersectClip(clip.Bounds());
        }
        currentClip = clip;
    }

    int nextFree;
    int firstHandle;
    std::set<int> used;
    std::optional<Pen> pen;
    std::optional<Brush> brush;
    std::optional<Font> font;
    int penHandle = -1, brushHandle = -1, fontHandle = -1;
    std::optional<Color> textColor, bkColor;
    std::optional<unsigned> bkMode, textAlign, rop;
    ClipArea currentClip;
    bool clipped = false;
};

int FontHeightPixels(const Font& f) { return FontPixelHeight(f.Size); }

// ---------------------------------------------------------------- EMF

class EmfEncoder : public Encoder {
public:
    explicit EmfEncoder(const Metafile& m) : Encoder(m, 1) {}

    std::string Encode() {
        const int w = std::max(1, mf.Width), h = std::max(1, mf.Height);
        Begin(1);
        out.I32(0), out.I32(0), out.I32(w - 1), out.I32(h - 1);  // bounds, inclusive, in pixels
        out.I32(0), out.I32(0), out.I32(int(std::int64_t(w) * 2540 / 96)), out.I32(int(std::int64_t(h) * 2540 / 96));
        out.U32(0x464D4520);  // " EMF"
        out.U32(0x10000);
        const std::size_t bytesAt = out.data.size();
        out.U32(0);  // bytes, patched
        out.U32(0);  // records, patched
        const std::size_t handlesAt = out.data.size();
        out.U16(0);  // handles, patched
        out.U16(0);
        out.U32(0), out.U32(0), out.U32(0);  // no description, no palette
        out.I32(1920), out.I32(1080);        // the reference device at 96 dots per inch
        out.I32(508), out.I32(286);
        out.U32(0), out.U32(0), out.U32(0);  // no pixel format, no OpenGL
        out.I32(508000), out.I32(285750);
        End();
        Walk();
        Begin(14);  // EOF
        out.U32(0), out.U32(16), out.U32(20);
        End();
        out.Patch32(bytesAt, std::uint32_t(out.data.size()));
        out.Patch32(bytesAt + 4, records);
        out.Patch16(handlesAt, unsigned(highestHandle + 1));
        return std::move(out.data);
    }

protected:
    void CreatePen(int handle, const Pen& p) override {
        Begin(38);
        out.U32(handle), out.U32(PenStyleCode(p.Style, true)), out.I32(std::max(1, p.Width)), out.I32(0), out.U32(p.PenColor);
        End();
    }
    void CreateBrush(int handle, const Brush& b) override {
        auto [style, hatch] = BrushCodes(b.Style);
        Begin(39);
        out.U32(handle), out.U32(style), out.U32(b.BrushColor), out.U32(hatch);
        End();
    }
    void CreateFont(int handle, const Font& f) override {
        Begin(82);
        out.U32(handle);
        out.I32(-FontHeightPixels(f)), out.I32(0), out.I32(f.Angle), out.I32(f.Angle);
        out.I32((f.Style & FsBold) ? 700 : 400);
        out.U8((f.Style & FsItalic) ? 1 : 0), out.U8((f.Style & FsUnderline) ? 1 : 0), out.U8((f.Style & FsStrikeOut) ? 1 : 0);
        out.U8(1), out.U8(0), out.U8(0), out.U8(0), out.U8(0);  // default charset, precisions, quality, pitch
        std::u16string face = Utf16(f.Name);
        for (int i = 0; i < 32; ++i) out.U16(i < 31 && i < int(face.size()) ? face[std::size_t(i)] : 0);
        End();
    }
    void Select(int handle) override { Simple(37, std::uint32_t(handle)); }
    void Delete(int handle) override { Simple(40, std::uint32_t(handle)); }
    void TextColor(Color c) override { Simple(24, c); }
    void BkColor(Color c) override { Simple(25, c); }
    void BkMode(unsigned m) override { Simple(18, m); }
    void TextAlign(unsigned a) override { Simple(22, a); }
    void Rop2(unsigned r) override { Simple(20, r); }
    void SaveDC() override { Begin(33); End(); }
    void RestoreDC() override { Simple(34, std::uint32_t(-1)); }
    void IntersectClip(const PixelRect& r) override {
        Begin(30);
        Rect(r);
        End();
    }
    void Pixel(Point p, Color c) override {
        Begin(15);
        out.I32(p.X), out.I32(p.Y), out.U32(c);
        End();
    }
    void Poly(const std::string& op, const std::vector<Point>& pts) override {
        Begin(op == "Polyline" ? 4 : op == "Polygon" ? 3 : 2);
        Rect(BoundsOf(pts));
        out.U32(std::uint32_t(pts.size()));
        for (Point p : pts) out.I32(p.X), out.I32(p.Y);
        End();
    }
    void Shape(const std::string& op, const std::vector<Point>& p) override {
        auto at = [&](std::size_t i) { return i < p.size() ? p[i] : Point{}; };
        const unsigned type = op == "Rectangle" ? 43 : op == "Ellipse" ? 42 : op == "RoundRect" ? 44 : op == "Arc" ? 45 : 47;
        Begin(type);
        out.I32(at(0).X), out.I32(at(0).Y), out.I32(at(1).X), out.I32(at(1).Y);
        for (std::size_t i = 2; i < p.size() && i < 4; ++i) out.I32(p[i].X), out.I32(p[i].Y);
        End();
    }
    void Text(Point p, const std::string& text, const Font& f) override {
        const std::u16string s = Utf16(text);
        const std::uint32_t n = std::uint32_t(s.size());
        const std::uint32_t stringAt = 76, dxAt = stringAt + (n * 2 + 3) / 4 * 4;
        Begin(84);
        out.I32(0), out.I32(0), out.I32(-1), out.I32(-1);  // bounds not given
        out.U32(1);  // compatible graphics mode
        out.U32(0), out.U32(0);  // scales unused in that mode
        out.I32(p.X), out.I32(p.Y);
        out.U32(n), out.U32(stringAt), out.U32(0x100);  // no clipping rectangle
        out.I32(0), out.I32(0), out.I32(-1), out.I32(-1);
        out.U32(dxAt);
        for (char16_t ch : s) out.U16(ch);
        out.Pad(4);
        // Advances as the layout measured them: half the line height a character, rounded up.
        const int advance = (FontHeightPixels(f) + 1) / 2;
        for (std::uint32_t i = 0; i < n; ++i) out.I32(advance);
        End();
    }
    void Image(const PixelRect& r, const Bitmap& picture) override {
        const std::string dib = Dib(picture);
        Begin(81);
        Rect({r.Left, r.Top, r.Right - 1, r.Bottom - 1});
        out.I32(r.Left), out.I32(r.Top), out.I32(0), out.I32(0), out.I32(picture.Width), out.I32(picture.Height);
        out.U32(80), out.U32(40), out.U32(120), out.U32(std::uint32_t(dib.size() - 40));
        out.U32(0), out.U32(0x00CC0020);
        out.I32(r.Width()), out.I32(r.Height());
        out.data += dib;
        End();
    }

private:
    void Begin(unsigned type) {
        recordStart = out.data.size();
        out.U32(type);
        out.U32(0);
    }
    void End() {
        out.Pad(4);
        out.Patch32(recordStart + 4, std::uint32_t(out.data.size() - recordStart));
        ++records;
    }
    void Simple(unsigned type, std::uint32_t v) {
        Begin(type);
        out.U32(v);
        End();
    }
    void Rect(const PixelRect& r) { out.I32(r.Left), out.I32(r.Top), out.I32(r.Right), out.I32(r.Bottom); }
    static PixelRect BoundsOf(const std::vector<Point>& pts) {
        if (pts.empty()) return {};
        PixelRect b{pts[0].X, pts[0].Y, pts[0].X, pts[0].Y};
        for (Point p : pts) b = {std::min(b.Left, p.X), std::min(b.Top, p.Y), std::max(b.Right, p.X), std::max(b.Bottom, p.Y)};
        return b;
    }
    static std::u16string Utf16(const std::string& s) {
        std::u16string r;
        for (char32_t c : DecodeUtf8(s)) {
            if (c >= 0x10000) {
                c -= 0x10000;
                r += char16_t(0xD800 + (c >> 10));
                r += char16_t(0xDC00 + (c & 0x3FF));
            } else {
                r += char16_t(c);
            }
        }
        return r;
    }

    Bytes out;
    std::size_t recordStart = 0;
    std::uint32_t records = 0;
};

// ---------------------------------------------------------------- WMF

class WmfEncoder : public Encoder {
public:
    explicit WmfEncoder(const Metafile& m) : Encoder(m, 0) {}

    std::string Encode() {
        const int w = std::clamp(mf.Width, 1, 32767), h = std::clamp(mf.Height, 1, 32767);
        // Placeable header: key, no handle, bounds, 96 units an inch, reserved, checksum.
        Bytes head;
        head.U32(0x9AC6CDD7), head.U16(0), head.I16(0), head.I16(0), head.I16(w), head.I16(h), head.U16(96), head.U32(0);
        unsigned sum = 0;
        for (std::size_t i = 0; i < 20; i += 2) sum ^= unsigned(std::uint8_t(head.data[i])) | unsigned(std::uint8_t(head.data[i + 1])) << 8;
        head.U16(sum);
        // The metafile header, patched at the end.
        out.U16(1), out.U16(9), out.U16(0x0300), out.U32(0), out.U16(0), out.U32(0), out.U16(0);
        Record(0x020B, {0, 0});  // window origin
        Record(0x020C, {h, w});  // window extent: y, x
        Walk();
        Record(0x0000, {});
        out.Patch32(6, std::uint32_t(out.data.size() / 2));
        out.Patch16(10, unsigned(highestHandle + 1));
        out.Patch32(12, maxRecord);
        return head.data + out.data;
    }

protected:
    void CreatePen(int, const Pen& p) override {
        Begin(0x02FA);
        out.U16(PenStyleCode(p.Style, false)), out.I16(std::max(1, p.Width)), out.I16(0), out.U32(p.PenColor);
        End();
    }
    void CreateBrush(int, const Brush& b) override {
        auto [style, hatch] = BrushCodes(b.Style);
        Begin(0x02FC);
        out.U16(style), out.U32(b.BrushColor), out.U16(hatch);
        End();
    }
    void CreateFont(int, const Font& f) override {
        Begin(0x02FB);
        out.I16(-FontHeightPixels(f)), out.I16(0), out.I16(f.Angle), out.I16(f.Angle);
        out.I16((f.Style & FsBold) ? 700 : 400);
        out.U8((f.Style & FsItalic) ? 1 : 0), out.U8((f.Style & FsUnderline) ? 1 : 0), out.U8((f.Style & FsStrikeOut) ? 1 : 0);
        out.U8(0), out.U8(0), out.U8(0), out.U8(0), out.U8(0);  // ANSI charset, precisions, quality, pitch
        const std::string face = Latin1(f.Name);
        for (int i = 0; i < 32; ++i) out.U8(i < 31 && i < int(face.size()) ? unsigned(std::uint8_t(face[std::size_t(i)])) : 0);
        End();
    }
    void Select(int handle) override { Record(0x012D, {handle}); }
    void Delete(int handle) override { Record(0x01F0, {handle}); }
    void TextColor(Color c) override { ColorRecord(0x0209, c); }
    void BkColor(Color c) override { ColorRecord(0x0201, c); }
    void BkMode(unsigned m) override { Record(0x0102, {int(m)}); }
    void TextAlign(unsigned a) override { Record(0x012E, {int(a)}); }
    void Rop2(unsigned r) override { Record(0x0104, {int(r)}); }
    void SaveDC() override { Record(0x001E, {}); }
    void RestoreDC() override { Record(0x0127, {-1}); }
    void IntersectClip(const PixelRect& r) override { Record(0x0416, {r.Bottom, r.Right, r.Top, r.Left}); }
    void Pixel(Point p, Color c) override {
        Begin(0x041F);
        out.U32(c), out.I16(p.Y), out.I16(p.X);
        End();
    }
    void Poly(const std::string& op, const std::vector<Point>& pts) override {
        const std::vector<Point> line = op == "Bezier" ? Flatten(pts) : pts;
        // A record holds at most 65535 points; longer lines go in pieces that share their ends.
        for (std::size_t start = 0; start < line.size() || start == 0; start += 65534) {
            const std::size_t n = std::min<std::size_t>(65535, line.size() - start);
            Begin(op == "Polygon" ? 0x0324 : 0x0325);
            out.U16(unsigned(n));
            for (std::size_t i = 0; i < n; ++i) out.I16(line[start + i].X), out.I16(line[start + i].Y);
            End();
            if (start + n >= line.size()) break;
        }
    }
    void Shape(const std::string& op, const std::vector<Point>& p) override {
        auto at = [&](std::size_t i) { return i < p.size() ? p[i] : Point{}; };
        const std::vector<int> box{at(1).Y, at(1).X, at(0).Y, at(0).X};  // bottom, right, top, left
        if (op == "Rectangle") Record(0x041B, box);
        else if (op == "Ellipse") Record(0x0418, box);
        else if (op == "RoundRect") Record(0x061C, {at(2).Y, at(2).X, box[0], box[1], box[2], box[3]});
        else Record(op == "Arc" ? 0x0817 : 0x081A, {at(3).Y, at(3).X, at(2).Y, at(2).X, box[0], box[1], box[2], box[3]});
    }
    void Text(Point p, const std::string& text, const Font&) override {
        const std::string s = Latin1(text).substr(0, 32000);
        Begin(0x0521);
        out.U16(unsigned(s.size()));
        out.data += s;
        out.Pad(2);
        out.I16(p.Y), out.I16(p.X);
        End();
    }
    void Image(const PixelRect& r, const Bitmap& picture) override {
        Begin(0x0F43);
        out.U32(0x00CC0020), out.U16(0);
        out.I16(picture.Height), out.I16(picture.Width), out.I16(0), out.I16(0);
        out.I16(r.Height()), out.I16(r.Width()), out.I16(r.Top), out.I16(r.Left);
        out.data += Dib(picture);
        End();
    }

private:
    void Begin(unsigned function) {
        recordStart = out.data.size();
        out.U32(0);
        out.U16(function);
    }
    void End() {
        out.Pad(2);
        const std::uint32_t words = std::uint32_t((out.data.size() - recordStart) / 2);
        out.Patch32(recordStart, words);
        maxRecord = std::max(maxRecord, words);
    }
    void Record(unsigned function, const std::vector<int>& params) {
        Begin(function);
        for (int v : params) out.I16(v);
        End();
    }
    void ColorRecord(unsigned function, Color c) {
        Begin(function);
        out.U32(c);
        End();
    }
    static std::string Latin1(const std::string& s) {
        std::string r;
        for (char32_t c : DecodeUtf8(s)) r += c < 256 ? char(c) : '?';
        return r;
    }

    Bytes out;
    std::size_t recordStart = 0;
    std::uint32_t maxRecord = 0;
};

}  // namespace

std::string EncodeEmf(const Metafile& picture) { return EmfEncoder(picture).Encode(); }
std::string EncodeWmf(const Metafile& picture) { return WmfEncoder(picture).Encode(); }

}  // namespace fv
