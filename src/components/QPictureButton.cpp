#include "components/QPictureButton.h"

// Scaffolding: replaced by the picture button.
QPictureButton::QPictureButton(QWidget* parent) : QToolButton(parent) {}
QPictureButton::QPictureButton(const QString& pictureText, QWidget* parent) : QToolButton(parent)
{
    setPictureText(pictureText);
}
void QPictureButton::setPictureText(const QString& text)
{
    m_pictureText = text;
    setToolTip(toolTipText());
}
QString QPictureButton::pictureName() const
{
    return m_pictureText.section(QLatin1Char('\n'), 0, 0);
}
QString QPictureButton::toolTipText() const
{
    const int nl = m_pictureText.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : m_pictureText.mid(nl + 1);
}
