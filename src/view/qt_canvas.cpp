// The raster canvas over QPainter.
#include "view/qt_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <string>

#include "view/qt_convert.h"

namespace fv {

namespace {

// Faces with the same metrics as the ones the program's charts name.
QString PinnedFamily(const std::string& name) {
    static const std::map<std::string, const char*> pinned = {
        {"arial", "Liberation Sans"},           {"helvetica", "Liberation Sans"},
        {"ms sans serif", "Liberation Sans"},   {"sans serif", "Liberation Sans"},
        {"times new roman", "Liberation Serif"}, {"times", "Liberation Serif"},
        {"courier new", "Liberation Mono"},     {"courier", "Liberation Mono"},
    };
    std::string key;
    for (char c : name) key += char(std::tolower(static_cast<unsigned char>(c)));
    auto it = pinned.find(key);
    return it != pinned.end() ? QString::fromLatin1(it->second) : ToQString(name);
}

QColor ToColor(Color c) { return ToQColor(c); }

QPainter::CompositionMode ToMode(PenMode m) {
    switch (m) {
    case PenMode::NotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case PenMode::Xor: return QPainter::RasterOp_SourceXorDestination;
    case PenMode::Not: return QPainter::RasterOp_NotDestination;
    case PenMode::Copy: break;
    }
    return QPainter::CompositionMode_SourceOver;
}

QBrush ToQBrush(const Brush& b) {
    if (b.Pattern && !b.Pattern->Empty()) return QBrush(ToQImage(*b.Pattern));
    switch (b.Style) {
    case BrushStyle::Solid: return QBrush(ToColor(b.BrushColor));
    case BrushStyle::Clear: return QBrush(Qt::NoBrush);
    case BrushStyle::Horizontal: return QBrush(ToColor(b.BrushColor), Qt::HorPattern);
    case BrushStyle::Vertical: return QBrush(ToColor(b.BrushColor), Qt::VerPattern);
    case BrushStyle::FDiagonal: return QBrush(ToColor(b.BrushColor), Qt::FDiagPattern);
    case BrushStyle::BDiagonal: return QBrush(ToColor(b.BrushColor), Qt::BDiagPattern);
    case BrushStyle::Cross: return QBrush(ToColor(b.BrushColor), Qt::CrossPattern);
    case BrushStyle::DiagCross: return QBrush(ToColor(b.BrushColor), Qt::DiagCrossPattern);
    }
    return QBrush(Qt::NoBrush);
}

QPen ToQPen(const Pen& p, int width) {
    if (p.Style == PenStyle::Clear) return QPen(Qt::NoPen);
    // Width 0 and 1 are both the one-pixel cosmetic pen.
    QPen pen(ToColor(p.PenColor), width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::FlatCap);  // a one-pixel line then leaves out its last pixel
    pen.setJoinStyle(Qt::MiterJoin);
    auto dashes = DashPattern(p.Style, width);
    if (!dashes.empty()) pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
    return pen;
}

// Angle in degrees, counter-clockwise on screen, of the ray from the centre of `box` through p.
double RayAngle(const PixelRect& box, Point p) {
    double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
    return std::atan2(-(p.Y - cy), p.X - cx) * 180.0 / std::numbers::pi;
}

// The box of an outlined shape: a one-pixel outline lies on Left..Right-1.
QRect OutlineBox(const PixelRect& r) { return QRect(r.Left, r.Top, std::max(0, r.Width() - 1), std::max(0, r.Height() - 1)); }

class QtSurface : public Surface {
public:
    QtSurface(int w, int h) : image(std::max(1, w), std::max(1, h), QImage::Format_RGB32), size{std::max(0, w), std::max(0, h)} {
        image.fill(Qt::white);
        canvas = std::make_unique<QtCanvas>(image);
    }
    Canvas& GetCanvas() override { return *canvas; }
    Size GetSize() const override { return size; }
    Bitmap ToBitmap() const override {
        canvas->Flush();
        // The picture's pixels are 0xFFRRGGBB already: the rows of its size are copied as they are.
        Bitmap b;
        if (size.Width <= 0 || size.Height <= 0) return b;
        b.Width = size.Width;
        b.Height = size.Height;
        b.Pixels.reserve(std::size_t(size.Width) * std::size_t(size.Height));
        for (int y = 0; y < size.Height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            b.Pixels.insert(b.Pixels.end(), row, row + size.Width);
        }
        return b;
    }
    const QImage& Picture() const {
        canvas->Flush();
        return image;
    }

private:
    QImage image;
    Size size;
    std::unique_ptr<QtCanvas> canvas;
};

}  // namespace

QFont CanvasQFont(const Font& font) {
    QFont q(PinnedFamily(font.Name));
    q.setPixelSize(FontPixelSize(font.Size));
    q.setBold(font.Style & FsBold);
    q.setItalic(font.Style & FsItalic);
    q.setUnderline(font.Style & FsUnderline);
    q.setStrikeOut(font.Style & FsStrikeOut);
    q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}

QtCanvas::QtCanvas(QImage& image) : image(image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QtCanvas::~QtCanvas() {
    Flush();
    painter.end();
}

std::unique_ptr<Surface> QtCanvas::CreateSurface(int width, int height) {
    return std::make_unique<QtSurface>(width, height);
}

std::unique_ptr<Surface> CreateRasterSurface(int width, int height) { return std::make_unique<QtSurface>(width, height); }

void QtCanvas::Sync() {
    if (syncedVersion == StateVersion()) return;
    Flush();
    syncedVersion = StateVersion();
    const Pen& pen = GetPen();
    const int width = DevicePenWidth();
    gatherLines = pen.Style == PenStyle::Solid && width <= 1 && pen.Mode == PenMode::Copy;
    painter.setPen(ToQPen(pen, width));
    painter.setBrush(ToQBrush(GetBrush()));
    painter.setBackground(QBrush(ToColor(GetBackColor())));
    // An opaque background shows only in the gaps of a dashed pen or a hatched brush (and behind text,
    // which sets it for itself). Qt draws every line more slowly with it, solid ones too, so the painter
    // has it only where it shows.
    const Qt::BrushStyle brush = painter.brush().style();
    const bool gaps = painter.pen().style() == Qt::CustomDashLine ||
                      (brush >= Qt::HorPattern && brush <= Qt::DiagCrossPattern) || brush == Qt::TexturePattern;
    painter.setBackgroundMode(GetBackMode() == BackMode::Opaque && gaps ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setCompositionMode(ToMode(GetPen().Mode));
}

const std::vector<QPoint>& QtCanvas::ToQPoints(std::span<const Point> pts) {
    points.resize(pts.size());
    for (std::size_t i = 0; i < pts.size(); ++i) points[i] = QPoint(pts[i].X, pts[i].Y);
    return points;
}

void QtCanvas::Flush() {
    if (!column.Open()) return;
    Point low, high;
    column.Close(low, high);
    DrawSegment(low, high);
}

void QtCanvas::DrawSegment(Point from, Point to) {
    // As a polyline of two points: the painter's own lines may end a pixel apart from it.
    const QPoint seg[2] = {QPoint(from.X, from.Y), QPoint(to.X, to.Y)};
    painter.drawPolyline(seg, 2);
}

void QtCanvas::DrawLine(Point from, Point to) {
    Sync();
    if (gatherLines && from.X == to.X && from.Y != to.Y) {
        if (column.Open() && !column.Continues(from)) Flush();
        column.Take(from, to);
        return;
    }
    Flush();
    DrawSegment(from, to);
}

void QtCanvas::DoPixel(Point p, Color c) {
    Flush();
    // Through the painter, so that the clip holds for a pixel too.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(QRect(p.X, p.Y, 1, 1), ToColor(c));
    painter.restore();
}

void QtCanvas::DoPolyline(std::span<const Point> pts) {
    if (pts.size() == 2) {
        DrawLine(pts[0], pts[1]);
        return;
    }
    Flush();
    Sync();
    const auto& q = ToQPoints(pts);
    painter.drawPolyline(q.data(), int(q.size()));
}

void QtCanvas::DoPolygon(std::span<const Point> pts) {
    Flush();
    Sync();
    const auto& q = ToQPoints(pts);
    painter.drawPolygon(q.data(), int(q.size()), Qt::OddEvenFill);
}

void QtCanvas::DoRectangle(const PixelRect& r) {
    Flush();
    Sync();
    painter.drawRect(OutlineBox(r));
}

void QtCanvas::DoFillRect(const PixelRect& r) {
    Flush();
    Sync();
    if (r.Empty()) return;
    // The brush alone, copied as it is whatever the pen's mode.
    QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), painter.brush());
    painter.setCompositionMode(mode);
}

void QtCanvas::DoEllipse(const PixelRect& r) {
    Flush();
    Sync();
    painter.drawEllipse(OutlineBox(r));
}

void QtCanvas::DoRoundRect(const PixelRect& r, Size corner) {
    Flush();
    Sync();
    painter.drawRoundedRect(OutlineBox(r), corner.Width / 2.0, corner.Height / 2.0);
}

void QtCanvas::DoArc(ArcKind kind, const PixelRect& box, Point start, Point end) {
    Flush();
    Sync();
    double a = RayAngle(box, start), b = RayAngle(box, end);
    double span = std::fmod(b - a + 720.0, 360.0);
    if (span == 0) span = 360;  // the same ray both ways round is the whole ellipse
    int a16 = int(std::lround(a * 16)), s16 = int(std::lround(span * 16));
    if (kind == ArcKind::Arc)
        painter.drawArc(OutlineBox(box), a16, s16);
    else
        painter.drawPie(OutlineBox(box), a16, s16);
}

void QtCanvas::DoBezier(std::span<const Point> pts) {
    Flush();
    Sync();
    QPainterPath path(QPointF(pts[0].X, pts[0].Y));
    for (std::size_t i = 1; i + 2 < pts.size(); i += 3)
        path.cubicTo(pts[i].X, pts[i].Y, pts[i + 1].X, pts[i + 1].Y, pts[i + 2].X, pts[i + 2].Y);
    painter.strokePath(path, painter.pen());
}

void QtCanvas::DoText(Point p, std::string_view text, const Font& deviceFont) {
    Flush();
    Sync();
    QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    QFont f = CanvasQFont(deviceFont);
    QFontMetrics m(f);
    // The point is the top-left of the text cell unless the alignment says otherwise.
    unsigned align = GetTextAlign();
    int w = m.horizontalAdvance(s);
    int dx = (align & TaHorizontalMask) == TaCenter ? -w / 2 : (align & TaHorizontalMask) == TaRight ? -w : 0;
    int dy = (align & TaVerticalMask) == TaBaseline ? 0 : (align & TaVerticalMask) == TaBottom ? -m.descent() : m.ascent();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBackgroundMode(GetBackMode() == BackMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setFont(f);
    painter.setPen(ToColor(deviceFont.FontColor));
    painter.translate(p.X, p.Y);
    // Tenths of a degree, counter-clockwise.
    if (deviceFont.Angle != 0) painter.rotate(-deviceFont.Angle / 10.0);
    if (GetBackMode() == BackMode::Opaque)
        painter.fillRect(QRect(dx, dy - m.ascent(), w, m.height()), ToColor(GetBackColor()));
    painter.drawText(QPoint(dx, dy), s);
    painter.restore();
}

Size QtCanvas::DoTextExtent(std::string_view text, const Font& deviceFont) {
    QFontMetrics m(CanvasQFont(deviceFont));
    return {m.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size()))), m.height()};
}

void QtCanvas::DoImage(const PixelRect& r, const Bitmap& picture) {
    Flush();
    QImage q = ToQImage(picture);
    if (q.isNull() || r.Empty()) return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (r.Width() == q.width() && r.Height() == q.height())
        painter.drawImage(QPoint(r.Left, r.Top), q);
    else
        painter.drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), q);
    painter.restore();
}

void QtCanvas::DoSurface(Point p, const Surface& s, bool monochrome) {
    Flush();
    auto* own = dynamic_cast<const QtSurface*>(&s);
    if (!own) {
        Canvas::DoSurface(p, s, monochrome);
        return;
    }
    Size z = s.GetSize();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (monochrome) {
        QImage mono = own->Picture().convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        painter.drawImage(QPoint(p.X, p.Y), mono, QRect(0, 0, z.Width, z.Height));
    } else {
        painter.drawImage(QPoint(p.X, p.Y), own->Picture(), QRect(0, 0, z.Width, z.Height));
    }
    painter.restore();
}

void QtCanvas::ClipChanged() {
    Flush();
    const ClipArea& clip = GetClip();
    if (!clip.Active) {
        painter.setClipping(false);
        return;
    }
    // Switched on again before the new clip is set: a clip set while clipping is off is not kept by a
    // fill the painter takes its fast path for (with a transparent background).
    painter.setClipping(true);
    if (clip.IsRectangle()) {
        PixelRect b = clip.Bounds();
        painter.setClipRect(QRect(b.Left, b.Top, b.Width(), b.Height()));
        return;
    }
    const auto& q = ToQPoints(clip.Polygon);
    painter.setClipRegion(QRegion(QPolygon(QList<QPoint>(q.begin(), q.end())), Qt::OddEvenFill));
}

}  // namespace fv
