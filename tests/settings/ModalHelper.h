#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `handle` on the next modal widget that opens (a dialog run with exec() or a message
// box), from inside its event loop. The handler must close it.
inline void whenModal(std::function<void(QWidget*)> handle, int triesLeft = 500)
{
    QTimer::singleShot(10, [handle, triesLeft] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            handle(w);
            return;
        }
        if (triesLeft > 0)
            whenModal(handle, triesLeft - 1);
    });
}
