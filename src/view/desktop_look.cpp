// The application-wide style, palette and font.
#include "view/desktop_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "view/qt_convert.h"

namespace fv {

void ApplyDesktopLook() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);

    const QColor face = ToQColor(ClBtnFace);
    QPalette p(face, face);
    p.setColor(QPalette::Base, ToQColor(ClWindow));
    p.setColor(QPalette::AlternateBase, face);
    p.setColor(QPalette::Text, ToQColor(ClWindowText));
    p.setColor(QPalette::WindowText, ToQColor(ClWindowText));
    p.setColor(QPalette::ButtonText, ToQColor(ClBtnText));
    p.setColor(QPalette::Highlight, ToQColor(ClHighlight));
    p.setColor(QPalette::HighlightedText, ToQColor(ClWhite));
    // The classic three-dimensional edges: white highlight, grey shadow, dark grey outer shadow.
    p.setColor(QPalette::Light, QColor(255, 255, 255));
    p.setColor(QPalette::Midlight, face);
    p.setColor(QPalette::Mid, QColor(160, 160, 160));
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Shadow, QColor(64, 64, 64));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, QColor(0, 0, 0));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    QApplication::setPalette(p);

    QApplication::setFont(ToQFont(Font{}));
}

}  // namespace fv
