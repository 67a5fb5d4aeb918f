#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;
struct _XDisplay;

// Tells when the X server's keyboard map changes: a new keymap loaded (setxkbmap, a keyboard
// plugged in, a desktop's layout switcher) or keys changed in the one there is. Watches over a
// connection of its own (XKB new-keyboard and map notifies), so Qt's events stay as they are.
class CX11KeymapWatch : public QObject
{
    Q_OBJECT
public:
    CX11KeymapWatch(const QByteArray& displayName, QObject* parent);
    ~CX11KeymapWatch() override;
    CX11KeymapWatch(const CX11KeymapWatch&) = delete;
    CX11KeymapWatch& operator=(const CX11KeymapWatch&) = delete;

Q_SIGNALS:
    // The keymap changed; `newKeyboard` when a whole new keymap replaced the old one (the
    // keys' actions are all new), otherwise some keys changed.
    void changed(bool newKeyboard);

private:
    void onReadable();

    _XDisplay* m_dpy = nullptr;
    int m_eventBase = 0;
    QSocketNotifier* m_notifier = nullptr;
};
