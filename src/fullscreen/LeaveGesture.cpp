#include "fullscreen/LeaveGesture.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {
constexpr Qt::KeyboardModifiers kWatched =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isChordModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_AltGr ||
           key == Qt::Key_Meta;
}
} // namespace

LeaveGesture::LeaveGesture(QObject* parent)
    : QObject(parent), m_queryModifiers([] { return QGuiApplication::queryKeyboardModifiers(); })
{
    m_tick.setInterval(33);
    connect(&m_tick, &QTimer::timeout, this, &LeaveGesture::tick);
    m_releaseGrace.setSingleShot(true);
    m_releaseGrace.setInterval(kReleaseGraceMs);
    connect(&m_releaseGrace, &QTimer::timeout, this, &LeaveGesture::reset);
}

QString LeaveGesture::chordText()
{
    return QStringLiteral("Ctrl+Alt+Q");
}

void LeaveGesture::setModifierQuery(std::function<Qt::KeyboardModifiers()> query)
{
    m_queryModifiers = std::move(query);
}

double LeaveGesture::progress() const
{
    if (!m_bHolding)
        return 0.0;
    return qBound(0.0, double(m_held.elapsed()) / m_nHoldMs, 1.0);
}

void LeaveGesture::feed(const QKeyEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        keyPress(event->key(), event->modifiers(), event->isAutoRepeat());
    else if (event->type() == QEvent::KeyRelease)
        keyRelease(event->key(), event->modifiers(), event->isAutoRepeat());
}

void LeaveGesture::keyPress(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    const bool chord = key == kKey && (modifiers & kWatched) == chordModifiers();
    if (!chord) {
        // Any other key, a modifier pressed on top included, starts the count again.
        reset();
        return;
    }
    if (m_bHolding) {
        // The held key repeating: the hold goes on. So does a press that follows a release of
        // Q at once: the toolkit cannot always tell the keyboard's repeat from a real release.
        // A fresh press without a release in between (a lost release) starts again.
        if (m_bReleased) {
            m_bReleased = false;
            m_releaseGrace.stop();
            return;
        }
        if (!autoRepeat)
            reset();
        else
            return;
    }
    if (autoRepeat)
        return; // a repeat whose first press was not seen does not start a hold
    m_bHolding = true;
    m_bShown = false;
    m_held.start();
    m_tick.start();
}

void LeaveGesture::keyRelease(int key, Qt::KeyboardModifiers, bool autoRepeat)
{
    if (!m_bHolding || autoRepeat)
        return;
    if (key == kKey && !m_bReleased) {
        // Let go, unless the keyboard's repeat presses Q again at once.
        m_bReleased = true;
        m_releaseGrace.start();
        return;
    }
    if (isChordModifierKey(key))
        reset();
}

void LeaveGesture::reset()
{
    m_tick.stop();
    m_releaseGrace.stop();
    m_bReleased = false;
    const bool wasShown = m_bShown;
    m_bHolding = false;
    m_bShown = false;
    if (wasShown)
        Q_EMIT progressChanged(0.0);
}

void LeaveGesture::tick()
{
    if (!m_bHolding)
        return;
    const qint64 elapsed = m_held.elapsed();
    if (elapsed >= m_nHoldMs && !m_bReleased) {
        // The releases of Ctrl and Alt may have gone to another window: ask what is held.
        const bool stillHeld =
            !m_queryModifiers || (m_queryModifiers() & kWatched) == chordModifiers();
        reset();
        if (stillHeld)
            Q_EMIT completed();
        return;
    }
    if (elapsed >= qMin(kShowAfterMs, m_nHoldMs / 4)) {
        m_bShown = true;
        Q_EMIT progressChanged(progress());
    }
}
