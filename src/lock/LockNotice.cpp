#include "lock/LockNotice.h"

#include "lock/LockStatus.h"
#include "lock/wayland/WaylandSurface.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

void CLockNotice::checkOnceAfterStart(QWidget* window)
{
    static bool checked = false;
    if (checked || !window)
        return;
    checked = true;
    QPointer<QWidget> topLevel(window->window());
    QTimer::singleShot(kCheckDelayMs, topLevel, [topLevel] {
        CLockStatus* status = CLockStatus::instance();
        if (!topLevel || !status)
            return;
        const bool waiting =
            status->reported(CLockStatus::Part::Keyboard) &&
            status->state(CLockStatus::Part::Keyboard) == CLockStatus::State::Waiting;
        if (waiting && onWayland()) {
            // The compositor has not answered yet: GNOME is asking the person in front.
            showOn(topLevel, tr("%1.\nIf your desktop asks whether Pommelot may inhibit "
                                "shortcuts, choose Allow: that keeps a child's key presses "
                                "inside Pommelot.")
                                 .arg(status->text()));
        } else if (status->cannotHold() || waiting) {
            showOn(topLevel, tr("%1.\nA child's key presses may reach the desktop while "
                                "Pommelot is in front: stay close.")
                                 .arg(status->text()));
        }
    });
}

CLockNotice* CLockNotice::showOn(QWidget* topLevel, const QString& text)
{
    auto* notice = new CLockNotice(topLevel, text);
    notice->place();
    notice->show();
    notice->raise();
    return notice;
}

CLockNotice::CLockNotice(QWidget* topLevel, const QString& text)
    : QFrame(topLevel), m_label(new QLabel(text, this))
{
    setObjectName(QStringLiteral("lockNotice"));
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#lockNotice { background: #fff4c2; border: 1px solid #b08800; }"
                                 "#lockNotice QLabel { color: #3a2e00; }"));
    m_label->setWordWrap(true);
    m_label->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("lockNoticeClose"));
    // Never the keyboard's: no focus, no default button, so no key press can click it.
    close->setFocusPolicy(Qt::NoFocus);
    close->setAutoDefault(false);
    close->setDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::deleteLater);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_label, 1);
    layout->addWidget(close, 0, Qt::AlignTop);
    topLevel->installEventFilter(this);
}

QString CLockNotice::text() const
{
    return m_label->text();
}

void CLockNotice::place()
{
    QWidget* top = parentWidget();
    const int margin = 12;
    const int width = qMin(top->width() - 2 * margin, 640);
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    // Below the toolbar, centred.
    setGeometry((top->width() - width) / 2, 56, width, height);
}

bool CLockNotice::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QFrame::eventFilter(watched, event);
}
