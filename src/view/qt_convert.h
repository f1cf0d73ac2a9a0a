// Conversions between the control model's values and Qt's: text, colours, fonts, cursors, pictures,
// captions and menu shortcuts.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QKeySequence>
#include <QMouseEvent>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/ui/control.h"

namespace fv {

// The model's text is UTF-8 throughout.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// A model colour as the screen shows it; system colours resolve to the classic desktop scheme.
QColor ToQColor(Color color);

// A model font. Sizes are points at 96 dots per inch, which is what the model's pixel geometry was laid
// out for, so the font gets that pixel size whatever the screen's own resolution.
QFont ToQFont(const Font& font);
int FontPixelSize(int points);

Qt::CursorShape ToQtCursor(Cursor cursor);

// The model's shift state (SsShift, SsCtrl...) of Qt's keyboard modifiers; of a mouse event, with the
// buttons held down.
unsigned ShiftOf(Qt::KeyboardModifiers m);
unsigned ShiftOf(const QMouseEvent* e);

// A model bitmap (0xAARRGGBB pixels) as a Qt image; a null image for an empty or inconsistent bitmap.
QImage ToQImage(const Bitmap& bitmap);
// A Qt image as a model bitmap; null for a null image.
BitmapPtr ToBitmap(const QImage& image);

// A list of texts as Qt's.
QStringList ToQStringList(const std::vector<std::string>& items);

// A caption without its access-key ampersands ("&&" stays one "&"), for widgets that draw plain text.
QString StripAccessKeys(const std::string& caption);

// A shortcut text as the model writes it ("Ctrl+O", "Shift+Del", "F1", "Ctrl+PgDn") as a key sequence.
QKeySequence ToKeySequence(const std::string& shortCut);

// A memo keeps CR LF between lines; a text edit on screen uses plain line feeds.
QString MemoTextToQt(const std::string& text);
std::string MemoTextFromQt(const QString& text);

// Positions in an edit's text: the model counts bytes of its UTF-8 text (a memo's with CR LF line ends),
// the widget UTF-16 units of what it shows (a memo's with plain line feeds).
int ModelOffset(const QString& shown, int position, bool memo);
int ShownOffset(const std::string& text, int bytes, bool memo);

}  // namespace fv
