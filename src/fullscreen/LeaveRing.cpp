#include "fullscreen/LeaveRing.h"

#include "fullscreen/LeaveGesture.h"

#include <QPainter>
#include <QPainterPath>

CLeaveRing::CLeaveRing(QWidget* frame)
    : QWidget(frame, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowStaysOnTopHint),
      m_frame(frame)
{
    setObjectName(QStringLiteral("LeaveRing"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(300, 260);
}

void CLeaveRing::setProgress(double progress)
{
    m_progress = qBound(0.0, progress, 1.0);
    if (m_progress <= 0.0) {
        hide();
        return;
    }
    const QRect area = m_frame->frameGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
    if (!isVisible())
        show();
    raise();
    update();
}

void CLeaveRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(48, 48, 48));

    const int diameter = 150;
    const QRectF ring((width() - diameter) / 2.0, 20, diameter, diameter);
    QPen track(QColor(96, 96, 96), 16, Qt::SolidLine, Qt::FlatCap);
    p.setPen(track);
    p.drawEllipse(ring);
    QPen arc(QColor(80, 200, 120), 16, Qt::SolidLine, Qt::FlatCap);
    p.setPen(arc);
    // Qt angles are in 1/16 degree, counter-clockwise from three o'clock: start at twelve
    // and fill clockwise.
    p.drawArc(ring, 90 * 16, -int(m_progress * 360 * 16));

    p.setPen(Qt::white);
    QFont f = font();
    f.setPixelSize(17);
    p.setFont(f);
    const QRectF text(10, ring.bottom() + 14, width() - 20, height() - ring.bottom() - 20);
    p.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               tr("Keep holding %1 to leave full screen").arg(LeaveGesture::chordText()));
}
