// Types key chords into a headless GNOME compositor through its remote-desktop interface on the
// session bus (org.gnome.Mutter.RemoteDesktop), as a keyboard would: each run is a session of
// its own, and with it a keyboard of its own.
//   lock_mutter_keys CHORD|wait:MS ...
// A chord is keys joined by '+', pressed in order and released in reverse, e.g. super+Escape,
// alt+F4. Exits 0 when every key was delivered.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QMap>
#include <QStringList>
#include <QThread>
#include <cstdio>

namespace {
// The X keysyms of the keys the tests type.
const QMap<QString, uint>& keysyms()
{
    static const QMap<QString, uint> map = {
        {QStringLiteral("super"), 0xffebu},  {QStringLiteral("alt"), 0xffe9u},
        {QStringLiteral("ctrl"), 0xffe3u},   {QStringLiteral("shift"), 0xffe1u},
        {QStringLiteral("Escape"), 0xff1bu}, {QStringLiteral("Tab"), 0xff09u},
        {QStringLiteral("Return"), 0xff0du}, {QStringLiteral("F1"), 0xffbeu},
        {QStringLiteral("F2"), 0xffbfu},     {QStringLiteral("F4"), 0xffc1u},
        {QStringLiteral("F7"), 0xffc4u},     {QStringLiteral("F8"), 0xffc5u},
        {QStringLiteral("F10"), 0xffc7u},    {QStringLiteral("space"), 0x20u},
    };
    return map;
}

uint keysym(const QString& name)
{
    if (keysyms().contains(name))
        return keysyms().value(name);
    // A single letter or digit is its own keysym.
    if (name.size() == 1 && name.at(0).unicode() < 0x80)
        return name.at(0).toLower().unicode();
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    QDBusInterface desktop(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service,
                           bus);
    const QDBusReply<QDBusObjectPath> created = desktop.call(QStringLiteral("CreateSession"));
    if (!created.isValid()) {
        std::fprintf(stderr, "CreateSession: %s\n", qPrintable(created.error().message()));
        return 1;
    }
    QDBusInterface session(service, created.value().path(),
                           QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"), bus);
    const QDBusMessage started = session.call(QStringLiteral("Start"));
    if (started.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "Start: %s\n", qPrintable(started.errorMessage()));
        return 1;
    }
    auto send = [&session](uint sym, bool pressed) {
        const QDBusMessage r = session.call(QStringLiteral("NotifyKeyboardKeysym"), sym, pressed);
        if (r.type() == QDBusMessage::ErrorMessage) {
            std::fprintf(stderr, "NotifyKeyboardKeysym: %s\n", qPrintable(r.errorMessage()));
            return false;
        }
        return true;
    };
    bool ok = true;
    const QStringList args = app.arguments().mid(1);
    for (const QString& arg : args) {
        if (arg.startsWith(QLatin1String("wait:"))) {
            QThread::msleep(arg.mid(5).toULong());
            continue;
        }
        QList<uint> chord;
        for (const QString& name : arg.split(QLatin1Char('+'))) {
            const uint sym = keysym(name);
            if (sym == 0) {
                std::fprintf(stderr, "unknown key %s\n", qPrintable(name));
                return 2;
            }
            chord << sym;
        }
        for (uint sym : chord)
            ok = send(sym, true) && ok;
        for (auto it = chord.crbegin(); it != chord.crend(); ++it)
            ok = send(*it, false) && ok;
    }
    session.call(QStringLiteral("Stop"));
    return ok ? 0 : 1;
}
