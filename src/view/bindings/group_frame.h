// The inside of a group box's frame, below its title: where aligned children go in group boxes and radio
// groups alike.
#pragma once

#include <QRect>
#include <QWidget>

namespace fv {

inline QRect InsideGroupFrame(const QWidget& frame) {
    return frame.rect().adjusted(2, frame.fontMetrics().height(), -2, -2);
}

}  // namespace fv
