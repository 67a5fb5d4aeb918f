#pragma once

#include <QIcon>
#include <QToolButton>

// A flat button that shows a picture. Its text is "NAME\nTooltip" (for example
// "PLAY\nPlay Sound"): NAME picks the picture (":/pictures/NAMEU.svg", and NAMEX for the
// disabled face where there is one), the part after the newline becomes the tooltip. The
// text stays readable through text(); the button shows no text of its own.
//
// The picture is drawn as large as the button allows, keeping its shape. Without an X face
// the disabled button shows the U face greyed out. In Qt Designer, promote a QToolButton and
// set either its pictureText property or its text.
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

    // The resource of a picture ("PLAYU" gives ":/pictures/PLAYU.svg", or the .png when there
    // is no .svg); empty when there is neither.
    static QString picturePath(const QString& picture);
    // Whether the picture exists and can be drawn.
    static bool pictureLoads(const QString& picture);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void adoptText();
    void updateFaces();
    QSize naturalPictureSize() const;

    QString m_pictureText;
};
