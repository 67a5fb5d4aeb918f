#pragma once

#include <QPointer>
#include <QScreen>
#include <QWidget>

// A plain grey window over one screen while the program plays full screen. It never takes the
// focus and swallows every click, so nothing reaches the desktop below; window-manager close
// requests are refused. A click on it hands the focus back to the play view (coverClicked).
class CCoverWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CCoverWindow(QScreen* screen);

    QScreen* coveredScreen() const { return m_screen; }
    // Shows the cover full screen on its screen (again, after the screen changed).
    void cover();

Q_SIGNALS:
    void coverClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QScreen> m_screen;
};
