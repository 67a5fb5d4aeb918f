#include "lock/x11/X11ServerKeys.h"

#include "lock/x11/X11Connection.h"
#include "lock/LockStatus.h"
#include "lock/x11/X11KeymapWatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {
// The keyboard map of the server, read and changed over a connection of our own, so that
// nothing here disturbs the events on Qt's connection.
class XkbMap
{
public:
    explicit XkbMap(const QByteArray& display)
    {
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        int reason = 0;
        m_dpy = XkbOpenDisplay(display.isEmpty() ? nullptr : display.constData(), nullptr, nullptr,
                               &major, &minor, &reason);
        if (m_dpy)
            m_xkb = XkbGetMap(m_dpy,
                              XkbKeyTypesMask | XkbKeySymsMask | XkbKeyActionsMask |
                                  XkbExplicitComponentsMask,
                              XkbUseCoreKbd);
    }
    ~XkbMap()
    {
        if (m_xkb)
            XkbFreeKeyboard(m_xkb, 0, True);
        if (m_dpy)
            XCloseDisplay(m_dpy);
    }
    XkbMap(const XkbMap&) = delete;
    XkbMap& operator=(const XkbMap&) = delete;

    bool ok() const { return m_xkb && m_xkb->map && m_xkb->server; }

    // The action at `index` of key `keycode`, or null where the key has none.
    XkbAction* action(int keycode, int index) const
    {
        if (keycode < m_xkb->min_key_code || keycode > m_xkb->max_key_code)
            return nullptr;
        const auto k = static_cast<KeyCode>(keycode);
        if (!XkbKeyHasActions(m_xkb, k) || index < 0 || index >= XkbKeyNumActions(m_xkb, k))
            return nullptr;
        return XkbKeyActionsPtr(m_xkb, k) + index;
    }
    template <typename F> void forEachAction(F f) const
    {
        for (int k = m_xkb->min_key_code; k <= m_xkb->max_key_code; ++k) {
            const auto code = static_cast<KeyCode>(k);
            if (!XkbKeyHasActions(m_xkb, code))
                continue;
            XkbAction* acts = XkbKeyActionsPtr(m_xkb, code);
            for (int i = 0; i < XkbKeyNumActions(m_xkb, code); ++i)
                f(k, i, acts[i]);
        }
    }
    // The key's explicit components (which parts the server must not derive from its
    // symbols), or null for a key outside the map.
    unsigned char* explicitComponents(int keycode) const
    {
        if (keycode < m_xkb->min_key_code || keycode > m_xkb->max_key_code ||
            !m_xkb->server->c_explicit)
            return nullptr;
        return &m_xkb->server->c_explicit[keycode];
    }
    // Sends the actions and explicit components of keys first..last back to the server and
    // waits until it has them.
    bool send(int first, int last)
    {
        XkbMapChangesRec changes;
        std::memset(&changes, 0, sizeof changes);
        changes.changed = XkbKeyActionsMask | XkbExplicitComponentsMask;
        changes.first_key_act = static_cast<KeyCode>(first);
        changes.num_key_acts = static_cast<unsigned char>(last - first + 1);
        changes.first_key_explicit = static_cast<KeyCode>(first);
        changes.num_key_explicit = static_cast<unsigned char>(last - first + 1);
        const bool sent = XkbChangeMap(m_dpy, m_xkb, &changes);
        XSync(m_dpy, False);
        return sent;
    }

private:
    Display* m_dpy = nullptr;
    XkbDescPtr m_xkb = nullptr;
};

bool isServerKey(const XkbAction& action)
{
    return action.type == XkbSA_SwitchScreen || action.type == XkbSA_Terminate;
}

// Whether `pid` is another copy of this program that is still running (not a zombie left
// by a kill, not an unrelated process that got the number since).
bool isOtherCopyAlive(qint64 pid)
{
    if (pid <= 0 || pid == ::getpid())
        return false;
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    QFile stat(proc + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    if (close < 0 || close + 2 >= line.size() || line[close + 2] == 'Z')
        return false;
    return QFile::symLinkTarget(proc + QStringLiteral("/exe")) ==
           QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

QByteArray rawAction(const XkbAction& action)
{
    return QByteArray(reinterpret_cast<const char*>(&action), sizeof(XkbAction));
}

void reportState(bool held, const QString& why)
{
    CLockStatus::Entry e{CLockStatus::Part::ServerKeys,
                         held ? CLockStatus::State::Held : CLockStatus::State::Unavailable,
                         QCoreApplication::translate("CX11ServerKeys", "VT switching off"), why};
    CLockStatus::instance()->report(QStringLiteral("x11-server-keys"), e);
}
} // namespace

CX11ServerKeys* CX11ServerKeys::instance()
{
    static QPointer<CX11ServerKeys> keys;
    if (!keys && qApp && x11Connection()) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QByteArray name = qgetenv("DISPLAY");
        if (x11 && x11->display())
            name = DisplayString(x11->display());
        keys = new CX11ServerKeys(qApp, name);
        keys->restoreRecord();
    }
    return keys;
}

CX11ServerKeys::CX11ServerKeys(QObject* parent, const QByteArray& displayName)
    : QObject(parent), m_displayName(displayName)
{
    // A normal end of the program gives the keys back even when no one switched the lock off.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CX11ServerKeys::restore);
    m_keymapTimer.setSingleShot(true);
    connect(&m_keymapTimer, &QTimer::timeout, this, &CX11ServerKeys::onKeymapChanged);
}

CX11ServerKeys::~CX11ServerKeys()
{
    restore();
}

QString CX11ServerKeys::recordPath() const
{
    if (!m_recordPath.isEmpty())
        return m_recordPath;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QString display = QString::fromLocal8Bit(m_displayName);
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    m_recordPath = folder + QStringLiteral("/pommelot-server-keys-") + display;
    return m_recordPath;
}

bool CX11ServerKeys::disable()
{
    XkbMap map(m_displayName);
    if (!map.ok()) {
        reportState(false, tr("the server's keyboard map cannot be read"));
        return false;
    }
    int first = 256;
    int last = -1;
    map.forEachAction([&](int keycode, int index, XkbAction& action) {
        if (!isServerKey(action))
            return;
        unsigned char* explicitComponents = map.explicitComponents(keycode);
        if (!explicitComponents)
            return;
        const bool keySaved = std::any_of(m_saved.cbegin(), m_saved.cend(), [&](const Saved& s) {
            return s.keycode == keycode && s.index < 0;
        });
        // The key's explicit flags are saved once, before its first change: marking the
        // actions explicit keeps the server from deriving them from the key's symbols again,
        // and lets a keymap dump show them.
        if (!keySaved)
            m_saved.append(Saved{keycode, -1, QByteArray(1, char(*explicitComponents))});
        *explicitComponents |= XkbExplicitInterpretMask;
        m_saved.append(Saved{keycode, index, rawAction(action)});
        std::memset(&action, 0, sizeof action);
        action.type = XkbSA_NoAction;
        first = std::min(first, keycode);
        last = std::max(last, keycode);
    });
    // Written before the change reaches the server: a program killed in between leaves a
    // record that restores nothing rather than keys with no record.
    bool ok = true;
    if (last >= first) {
        writeRecord();
        ok = map.send(first, last);
    }
    m_disabled = ok;
    watchKeymap(true);
    reportState(ok, ok ? QString() : tr("the server refused the keyboard map"));
    return ok;
}

void CX11ServerKeys::watchKeymap(bool watch)
{
    if (!watch) {
        m_keymapTimer.stop();
        delete m_watch;
        m_watch = nullptr;
        m_newKeymap = false;
        return;
    }
    if (m_watch)
        return;
    m_watch = new CX11KeymapWatch(m_displayName, this);
    connect(m_watch, &CX11KeymapWatch::changed, this, [this](bool newKeyboard) {
        m_newKeymap = m_newKeymap || newKeyboard;
        m_keymapTimer.start(kKeymapSettleMs);
    });
}

void CX11ServerKeys::onKeymapChanged()
{
    if (!m_watch)
        return;
    // A whole new keymap has actions of its own on every key: what was saved from the old
    // one no longer belongs anywhere, and putting it back would plant old actions on keys
    // that now have none. The new keymap's server keys are saved instead, so that the end
    // gives back what the new keymap had. (Our own change of the map comes back here too;
    // it finds nothing left to turn off.)
    if (m_newKeymap) {
        m_saved.clear();
        QFile::remove(recordPath());
    }
    m_newKeymap = false;
    disable();
}

void CX11ServerKeys::restore()
{
    watchKeymap(false);
    if (!m_disabled && m_saved.isEmpty())
        return;
    m_disabled = false;
    putBack(m_saved);
    m_saved.clear();
    QFile::remove(recordPath());
}

int CX11ServerKeys::putBack(const QList<Saved>& saved)
{
    if (saved.isEmpty())
        return 0;
    XkbMap map(m_displayName);
    if (!map.ok())
        return 0;
    int first = 256;
    int last = -1;
    int count = 0;
    for (const Saved& s : saved) {
        if (s.index < 0) {
            unsigned char* explicitComponents = map.explicitComponents(s.keycode);
            if (explicitComponents && s.data.size() == 1) {
                *explicitComponents = static_cast<unsigned char>(s.data[0]);
                first = std::min(first, s.keycode);
                last = std::max(last, s.keycode);
            }
            continue;
        }
        XkbAction* action = map.action(s.keycode, s.index);
        // Only where the action is still the NoAction put there: a keymap loaded since then
        // has its own actions, which stay.
        if (!action || action->type != XkbSA_NoAction || s.data.size() != sizeof(XkbAction))
            continue;
        std::memcpy(action, s.data.constData(), sizeof(XkbAction));
        first = std::min(first, s.keycode);
        last = std::max(last, s.keycode);
        ++count;
    }
    if (last >= first && !map.send(first, last))
        return 0;
    return count;
}

void CX11ServerKeys::writeRecord() const
{
    QSaveFile file(recordPath());
    if (!file.open(QIODevice::WriteOnly))
        return;
    QTextStream out(&file);
    out << "pid " << ::getpid() << '\n';
    for (const Saved& s : m_saved)
        out << s.keycode << ' ' << s.index << ' ' << s.data.toHex() << '\n';
    out.flush();
    file.commit();
}

int CX11ServerKeys::restoreRecord()
{
    QFile file(recordPath());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    QList<Saved> saved;
    qint64 pid = 0;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() == 2 && fields[0] == "pid") {
            pid = fields[1].toLongLong();
        } else if (fields.size() == 3) {
            bool okCode = false;
            bool okIndex = false;
            const int code = fields[0].toInt(&okCode);
            const int index = fields[1].toInt(&okIndex);
            const QByteArray data = QByteArray::fromHex(fields[2]);
            const int size = index < 0 ? 1 : int(sizeof(XkbAction));
            if (okCode && okIndex && data.size() == size)
                saved.append(Saved{code, index, data});
        }
    }
    file.close();
    // Another copy of the program that is alive holds these itself and gives them back.
    if (isOtherCopyAlive(pid))
        return 0;
    const int count = putBack(saved);
    QFile::remove(recordPath());
    return count;
}
