#pragma once

#include <QWidget>

class QToolButton;

// A small horizontal up-down control: two arrow buttons and no text of its own. The left
// arrow (or the Left/Down key) steps back, the right arrow (or Right/Up) steps on. Before the
// position changes, deltaPos(pos, delta) reports the position and the requested change; then
// the position moves, wrapping from the maximum to the minimum and back.
class CSpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit CSpinButton(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void setPos(int pos);
    int pos() const { return m_pos; }

    // Steps by delta as a click on an arrow does (delta < 0: back).
    void step(int delta);

    QSize sizeHint() const override;

Q_SIGNALS:
    // Sent before the position changes: the current position and the change asked for.
    void deltaPos(int pos, int delta);
    void posChanged(int pos);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* m_back;
    QToolButton* m_forward;
    int m_min = 0;
    int m_max = 100;
    int m_pos = 0;
};
