// Acting on a Qt message box from a test: the box runs its own loop, so the test's answer comes from a
// timer that finds the box once it is on screen.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace fv {

// Acts on the next message box once it is on screen (the box's own loop is running by then).
inline void OnNextBox(std::function<void(QMessageBox*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(box);
                return;
            }
    });
    poll->start();
}

}  // namespace fv
