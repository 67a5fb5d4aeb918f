#pragma once

#include <QWidget>

// The progress ring shown in the middle of the frame while the parent holds the chord that
// leaves full screen. It takes no focus and no clicks.
class CLeaveRing : public QWidget
{
    Q_OBJECT
public:
    explicit CLeaveRing(QWidget* frame);

    // 0 hides the ring; otherwise shows it, centred on the frame, filled to `progress`.
    void setProgress(double progress);
    double progress() const { return m_progress; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_frame;
    double m_progress = 0.0;
};
