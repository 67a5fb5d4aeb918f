#pragma once

#include <QFrame>

class QLabel;

// A notice across the top of the program's window for the parent, shown once at start when
// the keyboard lock cannot hold on this desktop (or when the desktop is still asking whether
// it may). It takes no keyboard focus and no key closes it: only a click on its Close button,
// so a child's key presses can neither dismiss it nor reach anything through it.
class CLockNotice : public QFrame
{
    Q_OBJECT
public:
    // After kCheckDelayMs, shows the notice on window's top-level window if the lock status
    // then says the lock cannot hold (or still waits for the desktop). Only the first call in
    // the program's life does anything.
    static void checkOnceAfterStart(QWidget* window);
    static constexpr int kCheckDelayMs = 2000;

    // Builds and shows the notice with `text` on `topLevel`; returns it (owned by topLevel).
    static CLockNotice* showOn(QWidget* topLevel, const QString& text);

    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CLockNotice(QWidget* topLevel, const QString& text);
    void place();

    QLabel* m_label;
};
