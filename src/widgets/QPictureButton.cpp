#include "widgets/QPictureButton.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QSvgRenderer>

namespace {
// Space between the picture and the button's edge, where the raised frame is drawn.
constexpr int kMargin = 3;
// Natural picture sizes are kept within these bounds for the size hint.
constexpr int kSmallestPicture = 16;
constexpr int kLargestPicture = 48;

QPixmap renderPicture(const QString& path, const QSize& size, qreal ratio)
{
    if (path.isEmpty() || size.isEmpty())
        return QPixmap();
    const QSize pixels = size * ratio;
    QImage image;
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid())
            return QPixmap();
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
    } else {
        image = QImage(path);
        if (image.isNull())
            return QPixmap();
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}
} // namespace

QPictureButton::QPictureButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::StrongFocus);
}

QPictureButton::QPictureButton(const QString& pictureText, QWidget* parent) : QPictureButton(parent)
{
    setPictureText(pictureText);
}

void QPictureButton::setPictureText(const QString& text)
{
    m_pictureText = text;
    // The whole text stays readable, as the pages take the tooltip from it.
    setText(text);
    setToolTip(toolTipText());
    updateFaces();
    updateGeometry();
}

QString QPictureButton::pictureName() const
{
    return m_pictureText.section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString QPictureButton::toolTipText() const
{
    const int nl = m_pictureText.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : m_pictureText.mid(nl + 1);
}

QString QPictureButton::picturePath(const QString& picture)
{
    if (picture.isEmpty())
        return QString();
    const QString base = QStringLiteral(":/pictures/") + picture;
    for (const char* suffix : {".svg", ".png"}) {
        const QString path = base + QLatin1String(suffix);
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

bool QPictureButton::pictureLoads(const QString& picture)
{
    const QString path = picturePath(picture);
    if (path.isEmpty())
        return false;
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        return renderer.isValid() && !renderer.defaultSize().isEmpty();
    }
    return !QImageReader(path).read().isNull();
}

QSize QPictureButton::naturalPictureSize() const
{
    const QString path = picturePath(pictureName() + QLatin1Char('U'));
    QSize size;
    if (path.endsWith(QLatin1String(".svg")))
        size = QSvgRenderer(path).defaultSize();
    else if (!path.isEmpty())
        size = QImageReader(path).size();
    if (size.isEmpty())
        return QSize(24, 24);
    if (size.width() > kLargestPicture || size.height() > kLargestPicture)
        size.scale(kLargestPicture, kLargestPicture, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(kSmallestPicture, kSmallestPicture));
}

QSize QPictureButton::sizeHint() const
{
    // Not taken from the icon size, which follows the button's size: that would feed back.
    return naturalPictureSize() + QSize(2 * kMargin, 2 * kMargin);
}

QSize QPictureButton::minimumSizeHint() const
{
    return QSize(kSmallestPicture, kSmallestPicture);
}

void QPictureButton::updateFaces()
{
    const QString name = pictureName();
    const QString normal = picturePath(name + QLatin1Char('U'));
    if (normal.isEmpty()) {
        setIcon(QIcon());
        return;
    }
    QSize picture = naturalPictureSize();
    const QSize room = (size() - QSize(2 * kMargin, 2 * kMargin)).expandedTo(QSize(1, 1));
    picture.scale(room, Qt::KeepAspectRatio);
    const qreal ratio = devicePixelRatioF();

    QIcon icon;
    icon.addPixmap(renderPicture(normal, picture, ratio), QIcon::Normal);
    // Without an X face, QIcon greys the normal face out for the disabled state.
    const QPixmap disabled = renderPicture(picturePath(name + QLatin1Char('X')), picture, ratio);
    if (!disabled.isNull())
        icon.addPixmap(disabled, QIcon::Disabled);
    setIconSize(picture);
    setIcon(icon);
}

void QPictureButton::adoptText()
{
    // Designer forms may set the text instead of pictureText.
    if (text() != m_pictureText)
        setPictureText(text());
}

bool QPictureButton::event(QEvent* event)
{
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show)
        adoptText();
    return QToolButton::event(event);
}

void QPictureButton::resizeEvent(QResizeEvent* event)
{
    QToolButton::resizeEvent(event);
    updateFaces();
}

void QPictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The picture alone: the name and tooltip in the text are never drawn.
    option.text.clear();
    option.toolButtonStyle = Qt::ToolButtonIconOnly;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
