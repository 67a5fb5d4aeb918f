#include "lock/LockStatus.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QStringList>

namespace {
// QT_LOGGING_RULES="pommelot.lock.debug=true" shows every change of what the lock holds.
Q_LOGGING_CATEGORY(lcLock, "pommelot.lock", QtWarningMsg)

// Lower is better: the state shown for a part is the best any of its sources saw.
int rank(CLockStatus::State state)
{
    switch (state) {
    case CLockStatus::State::Held:
        return 0;
    case CLockStatus::State::Waiting:
        return 1;
    case CLockStatus::State::Refused:
        return 2;
    case CLockStatus::State::Unavailable:
        break;
    }
    return 3;
}
} // namespace

CLockStatus* CLockStatus::instance()
{
    static QPointer<CLockStatus> status;
    if (!status && QCoreApplication::instance())
        status = new CLockStatus(QCoreApplication::instance());
    return status;
}

CLockStatus::CLockStatus(QObject* parent) : QObject(parent) {}

void CLockStatus::setOn(bool on)
{
    if (m_on == on)
        return;
    m_on = on;
    qCDebug(lcLock) << (on ? "switched on" : "switched off") << "->" << text();
    Q_EMIT changed();
}

void CLockStatus::report(const QString& source, const Entry& entry)
{
    const auto it = m_entries.constFind(source);
    if (it != m_entries.constEnd() && it->part == entry.part && it->state == entry.state &&
        it->label == entry.label && it->why == entry.why)
        return;
    m_entries.insert(source, entry);
    qCDebug(lcLock) << source << int(entry.state) << entry.why << "->" << text();
    Q_EMIT changed();
}

void CLockStatus::forget(const QString& source)
{
    if (m_entries.remove(source) == 0)
        return;
    qCDebug(lcLock) << source << "gone ->" << text();
    Q_EMIT changed();
}

void CLockStatus::clear()
{
    if (m_entries.isEmpty())
        return;
    m_entries.clear();
    Q_EMIT changed();
}

const CLockStatus::Entry* CLockStatus::best(Part part) const
{
    const Entry* found = nullptr;
    for (const Entry& e : m_entries) {
        if (e.part == part && (!found || rank(e.state) < rank(found->state)))
            found = &e;
    }
    return found;
}

CLockStatus::State CLockStatus::state(Part part) const
{
    const Entry* e = best(part);
    return e ? e->state : State::Unavailable;
}

bool CLockStatus::reported(Part part) const
{
    return best(part) != nullptr;
}

bool CLockStatus::cannotHold() const
{
    const Entry* e = best(Part::Keyboard);
    return e && (e->state == State::Unavailable || e->state == State::Refused);
}

QString CLockStatus::text() const
{
    const QString prefix = tr("Keyboard lock: ");
    const Entry* keyboard = best(Part::Keyboard);
    if (!keyboard)
        return prefix + tr("not available on this desktop (no keyboard lock on this platform)");

    QStringList held;
    for (Part part :
         {Part::Keyboard, Part::ServerKeys, Part::SleepKeys, Part::Blanking, Part::Pointer}) {
        const Entry* e = best(part);
        if (e && e->state == State::Held)
            held << e->label;
    }
    const QString list = held.join(QStringLiteral(", "));
    // Full screen asked for the pointer to stay in and the desktop does not keep it there.
    QString pointer;
    if (const Entry* e = best(Part::Pointer)) {
        if (e->state == State::Unavailable)
            pointer = tr("; pointer not held on this desktop (%1)").arg(e->why);
        else if (e->state == State::Refused)
            pointer = tr("; pointer not held (%1)").arg(e->why);
    }

    switch (keyboard->state) {
    case State::Held:
        if (m_on)
            return prefix + tr("on (%1)").arg(list) + pointer;
        return prefix + tr("paused (in play: %1)").arg(list) + pointer;
    case State::Waiting:
    case State::Refused:
    case State::Unavailable:
        break;
    }
    QString line = prefix;
    if (keyboard->state == State::Unavailable)
        line += tr("not available on this desktop (%1)").arg(keyboard->why);
    else if (keyboard->state == State::Refused)
        line += tr("not holding (%1)").arg(keyboard->why);
    else
        line += tr("waiting (%1)").arg(keyboard->why);
    if (!held.isEmpty())
        line += tr("; %1").arg(list);
    return line + pointer;
}
