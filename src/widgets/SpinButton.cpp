#include "widgets/SpinButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>

CSpinButton::CSpinButton(QWidget* parent)
    : QWidget(parent), m_back(new QToolButton(this)), m_forward(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_back->setArrowType(Qt::LeftArrow);
    m_forward->setArrowType(Qt::RightArrow);
    for (QToolButton* b : {m_back, m_forward}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    m_back->setAccessibleName(tr("Previous"));
    m_forward->setAccessibleName(tr("Next"));
    connect(m_back, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_forward, &QToolButton::clicked, this, [this] { step(1); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CSpinButton::setRange(int minimum, int maximum)
{
    m_min = qMin(minimum, maximum);
    m_max = qMax(minimum, maximum);
    setPos(m_pos);
}

void CSpinButton::setPos(int pos)
{
    const int clamped = qBound(m_min, pos, m_max);
    if (clamped == m_pos)
        return;
    m_pos = clamped;
    Q_EMIT posChanged(m_pos);
}

void CSpinButton::step(int delta)
{
    if (delta == 0 || !isEnabled())
        return;
    Q_EMIT deltaPos(m_pos, delta);
    const int span = m_max - m_min + 1;
    int next = (m_pos - m_min + delta) % span;
    if (next < 0)
        next += span;
    setPos(m_min + next);
}

QSize CSpinButton::sizeHint() const
{
    const int h = qMax(m_back->sizeHint().height(), 22);
    return QSize(2 * h, h);
}

void CSpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        step(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        step(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
