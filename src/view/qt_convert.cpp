// Conversions between model values and Qt values.
#include "view/qt_convert.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>

namespace fv {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string FromQString(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

QColor ToQColor(Color color) {
    Color c = ResolveColor(color);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

int FontPixelSize(int points) {
    if (points <= 0) points = 8;
    return std::max(1, int(std::lround(points * 96.0 / 72.0)));
}

namespace {

// The faces the program names are those of the platform it was written for; each maps to the generic
// family fontconfig resolves to an installed face of the same kind.
struct FaceMapping {
    const char* family;
    QFont::StyleHint hint;
};

FaceMapping MapFace(const std::string& name) {
    static const std::map<std::string, FaceMapping> known = {
        {"sans serif", {"Sans Serif", QFont::SansSerif}},     {"ms sans serif", {"Sans Serif", QFont::SansSerif}},
        {"microsoft sans serif", {"Sans Serif", QFont::SansSerif}}, {"tahoma", {"Sans Serif", QFont::SansSerif}},
        {"arial", {"Sans Serif", QFont::SansSerif}},          {"verdana", {"Sans Serif", QFont::SansSerif}},
        {"helvetica", {"Sans Serif", QFont::SansSerif}},      {"system", {"Sans Serif", QFont::SansSerif}},
        {"courier", {"Monospace", QFont::Monospace}},         {"courier new", {"Monospace", QFont::Monospace}},
        {"fixedsys", {"Monospace", QFont::Monospace}},        {"terminal", {"Monospace", QFont::Monospace}},
        {"times", {"Serif", QFont::Serif}},                   {"times new roman", {"Serif", QFont::Serif}},
        {"ms serif", {"Serif", QFont::Serif}},                {"serif", {"Serif", QFont::Serif}},
    };
    std::string key;
    for (char c : name) key += char(std::tolower(static_cast<unsigned char>(c)));
    auto it = known.find(key);
    if (it != known.end()) return it->second;
    return {nullptr, QFont::SansSerif};
}

}  // namespace

QFont ToQFont(const Font& font) {
    FaceMapping face = MapFace(font.Name);
    QFont q(face.family ? QString::fromLatin1(face.family) : ToQString(font.Name));
    q.setStyleHint(face.hint);
    q.setPixelSize(FontPixelSize(font.Size));
    q.setBold(font.Style & FsBold);
    q.setItalic(font.Style & FsItalic);
    q.setUnderline(font.Style & FsUnderline);
    q.setStrikeOut(font.Style & FsStrikeOut);
    return q;
}

unsigned ShiftOf(Qt::KeyboardModifiers m) {
    unsigned s = 0;
    if (m & Qt::ShiftModifier) s |= SsShift;
    if (m & Qt::AltModifier) s |= SsAlt;
    if (m & Qt::ControlModifier) s |= SsCtrl;
    return s;
}

unsigned ShiftOf(const QMouseEvent* e) {
    unsigned s = ShiftOf(e->modifiers());
    Qt::MouseButtons b = e->buttons();
    if (b & Qt::LeftButton) s |= SsLeft;
    if (b & Qt::RightButton) s |= SsRight;
    if (b & Qt::MiddleButton) s |= SsMiddle;
    return s;
}

Qt::CursorShape ToQtCursor(Cursor cursor) {
    switch (cursor) {
    case Cursor::HourGlass: return Qt::WaitCursor;
    case Cursor::IBeam: return Qt::IBeamCursor;
    case Cursor::Cross: return Qt::CrossCursor;
    case Cursor::HandPoint: return Qt::PointingHandCursor;
    case Cursor::SizeWE: return Qt::SizeHorCursor;
    case Cursor::SizeNS: return Qt::SizeVerCursor;
    case Cursor::Drag: return Qt::DragMoveCursor;
    case Cursor::SizeNWSE: return Qt::SizeFDiagCursor;
    case Cursor::SizeNESW: return Qt::SizeBDiagCursor;
    case Cursor::NoDrop: return Qt::ForbiddenCursor;
    case Cursor::Default:
    case Cursor::Arrow: break;
    }
    return Qt::ArrowCursor;
}

QImage ToQImage(const Bitmap& bitmap) {
    if (bitmap.Empty() || bitmap.Pixels.size() < std::size_t(bitmap.Width) * std::size_t(bitmap.Height))
        return QImage();
    // Format_ARGB32 holds each pixel as one 0xAARRGGBB word in host order, exactly as the model does.
    QImage image(bitmap.Width, bitmap.Height, QImage::Format_ARGB32);
    const std::size_t row = std::size_t(bitmap.Width) * sizeof(std::uint32_t);
    for (int y = 0; y < bitmap.Height; ++y)
        std::memcpy(image.scanLine(y), bitmap.Pixels.data() + std::size_t(y) * std::size_t(bitmap.Width), row);
    return image;
}

BitmapPtr ToBitmap(const QImage& image) {
    if (image.isNull()) return nullptr;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    auto bitmap = std::make_shared<Bitmap>(argb.width(), argb.height());
    const std::size_t row = std::size_t(argb.width()) * sizeof(std::uint32_t);
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(bitmap->Pixels.data() + std::size_t(y) * std::size_t(argb.width()), argb.constScanLine(y), row);
    return bitmap;
}

QString StripAccessKeys(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += caption[i];
    }
    return ToQString(out);
}

QKeySequence ToKeySequence(const std::string& shortCut) {
    if (shortCut.empty()) return QKeySequence();
    // The key names the program writes that Qt spells differently.
    static const std::map<std::string, const char*> renamed = {
        {"bksp", "Backspace"}, {"pgdn", "PgDown"}, {"enter", "Return"}, {"escape", "Esc"}, {"delete", "Del"},
        {"insert", "Ins"},
    };
    std::string text = shortCut;
    std::size_t plus = text.rfind('+');
    std::size_t start = (plus == std::string::npos || plus + 1 == text.size()) ? 0 : plus + 1;
    std::string key;
    for (char c : text.substr(start)) key += char(std::tolower(static_cast<unsigned char>(c)));
    if (auto it = renamed.find(key); it != renamed.end()) text = text.substr(0, start) + it->second;
    return QKeySequence::fromString(ToQString(text), QKeySequence::PortableText);
}

QString MemoTextToQt(const std::string& text) {
    QString q = ToQString(text);
    q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

int ModelOffset(const QString& shown, int position, bool memo) {
    const QString prefix = shown.left(std::max(0, position));
    int bytes = int(prefix.toUtf8().size());
    if (memo) bytes += int(prefix.count(QLatin1Char('\n')));  // each line feed is CR LF in the model
    return bytes;
}

int ShownOffset(const std::string& text, int bytes, bool memo) {
    const std::string prefix = text.substr(0, std::size_t(std::clamp(bytes, 0, int(text.size()))));
    return int((memo ? MemoTextToQt(prefix) : ToQString(prefix)).size());
}

std::string MemoTextFromQt(const QString& text) {
    std::string plain = FromQString(text);
    std::string out;
    out.reserve(plain.size() + plain.size() / 16);
    for (char c : plain) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

QStringList ToQStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(qsizetype(items.size()));
    for (const std::string& s : items) list.push_back(ToQString(s));
    return list;
}

}  // namespace fv
