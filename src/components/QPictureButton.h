#pragma once

#include <QToolButton>

// A flat button that shows a picture. Its text is "NAME\nTooltip" (for example
// "PLAY\nPlay Sound"): NAME picks the picture (":/pictures/NAMEU.svg", and NAMEX for the
// disabled face where there is one), the part after the newline becomes the tooltip. The
// text stays readable through text(); the button shows no text of its own.
class QPictureButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QString pictureText READ pictureText WRITE setPictureText)
public:
    explicit QPictureButton(QWidget* parent = nullptr);
    QPictureButton(const QString& pictureText, QWidget* parent = nullptr);

    QString pictureText() const { return m_pictureText; }
    void setPictureText(const QString& text);
    QString pictureName() const;
    QString toolTipText() const;

private:
    QString m_pictureText;
};
