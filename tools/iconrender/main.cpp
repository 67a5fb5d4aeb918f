// Renders the application icon to PNG files of the sizes a desktop looks for:
//   pommelot_iconrender <icon.svg> <out dir> <icon name> <size>...
// writes <out dir>/<size>x<size>/apps/<icon name>.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: pommelot_iconrender <icon.svg> <out dir> <name> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (int i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size <= 0 || size > 4096) {
            std::fprintf(stderr, "bad size %s\n", qPrintable(args.at(i)));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            // Keep the picture's proportions, centred in the square.
            QSizeF picture = renderer.defaultSize();
            if (picture.isEmpty())
                picture = QSizeF(size, size);
            picture.scale(size, size, Qt::KeepAspectRatio);
            const QRectF target((size - picture.width()) / 2, (size - picture.height()) / 2,
                                picture.width(), picture.height());
            renderer.render(&painter, target);
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString path = dir + QLatin1Char('/') + args.at(3) + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
