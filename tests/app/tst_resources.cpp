// The compiled-in artwork (toolbar icons, picture-button faces, application icon) and the help
// page that every help request opens.
#include "common/TestApp.h"

#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

enum Tone
{
    Red,
    Yellow,
    Green,
    Cyan,
    Blue,
    Dark
};

// Sorts one opaque pixel into the few tones the artwork is described in.
bool hasTone(const QColor& c, Tone tone)
{
    const int h = c.hsvHue();
    const int s = c.hsvSaturation();
    const int v = c.value();
    const bool vivid = s > 120 && v > 90;
    switch (tone) {
    case Red:
        return vivid && (h < 12 || h > 345);
    case Yellow:
        return vivid && h >= 42 && h <= 62;
    case Green:
        return vivid && h >= 90 && h <= 150;
    case Cyan:
        return vivid && h >= 180 && h <= 200;
    case Blue:
        return vivid && h >= 205 && h <= 235;
    case Dark:
        return v < 50;
    }
    return false;
}

QImage renderSvg(const QString& path, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Pixels at least half covered.
int opaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128)
                ++n;
    return n;
}

int tonePixels(const QImage& image, Tone tone)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 200 && hasTone(QColor::fromRgb(p), tone))
                ++n;
        }
    }
    return n;
}

// Whether any opaque pixel carries colour (as opposed to greys).
int colouredPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 128 && QColor::fromRgb(p).hsvSaturation() > 40)
                ++n;
        }
    }
    return n;
}

// The help page of language code ("en" for the English Pommelot.htm).
QString helpPage(const QString& code = QStringLiteral("en"))
{
    const QString name = code == QLatin1String("en") ? QStringLiteral("Pommelot.htm")
                                                     : QStringLiteral("Pommelot.%1.htm").arg(code);
    QFile file(QStringLiteral(POMMELOT_SOURCE_DIR "/help/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(bytes);
    return decode.hasError() ? QString() : text;
}

// What the interface shows for the English text in language code, after its translations
// (resources/translations/pommelot_<code>.ts) with the mnemonic marks taken out: the shortest
// source that starts with text. text itself where there is none.
QString interfaceText(const QString& code, const QString& text)
{
    if (code == QLatin1String("en"))
        return text;
    QFile file(
        QStringLiteral(POMMELOT_SOURCE_DIR "/resources/translations/pommelot_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    QString source, best, bestSource;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText().remove(QLatin1Char('&'));
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText().remove(QLatin1Char('&'));
            if (!translation.isEmpty() && source.startsWith(text) &&
                (bestSource.isEmpty() || source.size() < bestSource.size())) {
                bestSource = source;
                best = translation;
            }
        }
    }
    return best.isEmpty() ? text : best;
}

// Every match of the first group of pattern in page, in order.
QStringList allOf(const QString& page, const QString& pattern)
{
    QStringList found;
    auto it = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                  .globalMatch(page);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

} // namespace

using ToneList = QList<int>;

class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toolbarIcon_data();
    void toolbarIcon();
    void picture_data();
    void picture();
    void disabledFacesAreGrey_data();
    void disabledFacesAreGrey();
    void applicationIcon();
    void helpPageIsWellFormed_data();
    void helpPageIsWellFormed();
    void translatedHelpPageFollowsTheEnglish_data();
    void translatedHelpPageFollowsTheEnglish();
    void helpPageCoversTheProgram_data();
    void helpPageCoversTheProgram();

private:
    static void addHelpTexts(const QString& code);
};

void TestResources::toolbarIcon_data()
{
    QTest::addColumn<QString>("name");
    // Tones the picture is described in; each must cover a fair part of the icon.
    QTest::addColumn<ToneList>("tones");

    QTest::newRow("letters") << "letters" << ToneList{Blue};
    QTest::newRow("numbers") << "numbers" << ToneList{Green, Blue, Red};
    QTest::newRow("shapes") << "shapes" << ToneList{Blue, Green, Red};
    QTest::newRow("words") << "words" << ToneList{Cyan};
    QTest::newRow("addition") << "addition" << ToneList{Blue};
    QTest::newRow("subtraction") << "subtraction" << ToneList{Red};
    QTest::newRow("bird") << "bird" << ToneList{Green};
    QTest::newRow("settings") << "settings" << ToneList{};
    QTest::newRow("help") << "help" << ToneList{Blue};
    QTest::newRow("credits") << "credits" << ToneList{Dark, Yellow};
}

void TestResources::toolbarIcon()
{
    QFETCH(QString, name);
    QFETCH(ToneList, tones);
    const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
    const int minimumShare = tones.size() > 1 ? 15 : 40; // per cent of the covered pixels

    QVERIFY2(QFile::exists(path), qPrintable(path));
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(32, 32));

    const QImage image = renderSvg(path, QSize(32, 32));
    const int covered = opaquePixels(image);
    // A bold toolbar picture: neither a speck nor a filled square.
    QVERIFY2(covered >= 32 * 32 / 8, qPrintable(QString::number(covered)));
    QVERIFY2(covered < 32 * 32, qPrintable(QString::number(covered)));
    // Each tone the picture is described in covers a good part of it, not just an outline.
    for (int tone : tones) {
        const int n = tonePixels(image, Tone(tone));
        QVERIFY2(
            n * 100 >= covered * minimumShare,
            qPrintable(QStringLiteral("tone %1: %2 of %3 pixels").arg(tone).arg(n).arg(covered)));
    }

    // The toolbar takes its pictures through QIcon.
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    const QPixmap pixmap = icon.pixmap(QSize(32, 32));
    QCOMPARE(pixmap.size(), QSize(32, 32));
    const int viaIcon = opaquePixels(pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    QVERIFY2(qAbs(viaIcon - covered) <= covered / 50,
             qPrintable(QStringLiteral("%1 vs %2").arg(viaIcon).arg(covered)));
}

void TestResources::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("side");

    QTest::newRow("PLAYU") << "PLAYU" << 32;
    QTest::newRow("PLAYX") << "PLAYX" << 32;
    QTest::newRow("RECORDU") << "RECORDU" << 25;
    QTest::newRow("RECORDX") << "RECORDX" << 25;
    QTest::newRow("FONTU") << "FONTU" << 48;
    QTest::newRow("ADDU") << "ADDU" << 25;
    QTest::newRow("DELETEU") << "DELETEU" << 25;
    QTest::newRow("STOPU") << "STOPU" << 25;
    QTest::newRow("PREVIOUSU") << "PREVIOUSU" << 32;
}

void TestResources::picture()
{
    QFETCH(QString, name);
    QFETCH(int, side);
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(name);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(side, side));

    const QImage image = renderSvg(path, QSize(side, side));
    const int covered = opaquePixels(image);
    QVERIFY2(covered >= side * side / 8, qPrintable(QString::number(covered)));
    QVERIFY2(covered < side * side, qPrintable(QString::number(covered)));
    // The whole picture fits its square: nothing solid is cut off at an edge.
    for (int i = 0; i < side; ++i) {
        for (const QPoint& p :
             {QPoint(i, 0), QPoint(i, side - 1), QPoint(0, i), QPoint(side - 1, i)})
            QVERIFY2(qAlpha(image.pixel(p)) < 200,
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
}

void TestResources::disabledFacesAreGrey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("side");

    QTest::newRow("PLAY") << "PLAY" << 32;
    QTest::newRow("RECORD") << "RECORD" << 25;
}

void TestResources::disabledFacesAreGrey()
{
    QFETCH(QString, name);
    QFETCH(int, side);
    const QSize size(side, side);
    const QImage normal = renderSvg(QStringLiteral(":/pictures/%1U.svg").arg(name), size);
    const QImage disabled = renderSvg(QStringLiteral(":/pictures/%1X.svg").arg(name), size);

    QVERIFY(colouredPixels(normal) > side * side / 4);
    QCOMPARE(colouredPixels(disabled), 0);
    // Same outline, so the button does not jump when it is greyed out.
    const int a = opaquePixels(normal);
    const int b = opaquePixels(disabled);
    QVERIFY2(qAbs(a - b) <= a / 20, qPrintable(QStringLiteral("%1 vs %2").arg(a).arg(b)));
}

void TestResources::applicationIcon()
{
    const QString path = QStringLiteral(":/icons/pommelot.svg");
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize().width(), renderer.defaultSize().height());
    for (int side : {16, 32, 48, 256}) {
        const QImage image = renderSvg(path, QSize(side, side));
        // A full tile with rounded corners: most of the square, but not the corners.
        QVERIFY2(opaquePixels(image) > side * side * 3 / 4, qPrintable(QString::number(side)));
        QVERIFY(qAlpha(image.pixel(0, side - 1)) < 128);
        QVERIFY(tonePixels(image, Red) > 0);
    }
}

void TestResources::helpPageIsWellFormed_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"en", "de", "fr", "es", "it", "nl", "pl"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestResources::helpPageIsWellFormed()
{
    QFETCH(QString, code);
    const QString page = helpPage(code);
    QVERIFY2(!page.isEmpty(), "help page missing, empty or not UTF-8");

    QVERIFY(page.startsWith(QLatin1String("<!DOCTYPE html>"), Qt::CaseInsensitive));
    QVERIFY(page.contains(QLatin1String("<meta charset=\"utf-8\">"), Qt::CaseInsensitive));
    const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    const QRegularExpressionMatch m = title.match(page);
    QVERIFY(m.hasMatch());
    QVERIFY(m.captured(1).contains(QLatin1String("Pommelot")));

    // One self-contained file: no scripts and nothing fetched from elsewhere.
    QVERIFY(!page.contains(QLatin1String("<script"), Qt::CaseInsensitive));
    QVERIFY(!page.contains(QLatin1String("src="), Qt::CaseInsensitive));
    QVERIFY(!page.contains(QLatin1String("<link"), Qt::CaseInsensitive));
    const QRegularExpression outside(QStringLiteral("(href=\"|url\\()(?!#)"));
    QVERIFY2(!outside.match(page).hasMatch(), qPrintable(outside.match(page).captured(0)));
    QVERIFY(!page.contains(QLatin1String("@import"), Qt::CaseInsensitive));

    // Elements are closed in the order they were opened.
    static const QSet<QString> voidElements = {
        QStringLiteral("meta"), QStringLiteral("br"),      QStringLiteral("hr"),
        QStringLiteral("img"),  QStringLiteral("stop"),    QStringLiteral("rect"),
        QStringLiteral("path"), QStringLiteral("circle"),  QStringLiteral("ellipse"),
        QStringLiteral("line"), QStringLiteral("polygon"),
    };
    const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*?(/?)>"));
    QStringList open;
    auto it = tag.globalMatch(page);
    while (it.hasNext()) {
        const QRegularExpressionMatch t = it.next();
        const QString name = t.captured(2).toLower();
        if (voidElements.contains(name) || !t.captured(3).isEmpty())
            continue;
        if (t.captured(1).isEmpty()) {
            open.append(name);
        } else {
            QVERIFY2(!open.isEmpty() && open.last() == name,
                     qPrintable(QStringLiteral("</%1> at %2, open: %3")
                                    .arg(name)
                                    .arg(t.capturedStart())
                                    .arg(open.join(QLatin1Char(' ')))));
            open.removeLast();
        }
    }
    QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1Char(' '))));

    // Every link inside the page has its target, and ids are unique.
    QSet<QString> ids;
    auto idIt = QRegularExpression(QStringLiteral("\\sid=\"([^\"]+)\"")).globalMatch(page);
    while (idIt.hasNext()) {
        const QString id = idIt.next().captured(1);
        QVERIFY2(!ids.contains(id), qPrintable(id));
        ids.insert(id);
    }
    auto linkIt = QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(page);
    int links = 0;
    while (linkIt.hasNext()) {
        const QString target = linkIt.next().captured(1);
        QVERIFY2(ids.contains(target), qPrintable(target));
        ++links;
    }
    QVERIFY(links >= 10); // the table of contents at least
}

void TestResources::translatedHelpPageFollowsTheEnglish_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"de", "fr", "es", "it", "nl", "pl"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestResources::translatedHelpPageFollowsTheEnglish()
{
    QFETCH(QString, code);
    const QString english = helpPage();
    const QString page = helpPage(code);
    QVERIFY(!english.isEmpty());
    QVERIFY2(!page.isEmpty(), "page missing, empty or not UTF-8");

    QVERIFY(page.contains(QStringLiteral("<html lang=\"%1\">").arg(code)));
    // The same sections and mode boxes, the same links, the same pictures and as many keys (a
    // key may carry its own language's label: Strg for Ctrl), in the same order.
    for (const char* pattern : {"<(h[23])[ >]", "\\s(id=\"[^\"]+\")", "(href=\"[^\"]+\")",
                                "(<svg\\b.*?</svg>)", "(<kbd>)"}) {
        const QString p = QString::fromLatin1(pattern);
        QCOMPARE(allOf(page, p), allOf(english, p));
    }
    // Translated, not copied: the headings differ from the English ones.
    const QString heading = QStringLiteral("<h2 id=\"[^\"]+\">([^<]+)</h2>");
    const QStringList translated = allOf(page, heading), original = allOf(english, heading);
    QCOMPARE(translated.size(), original.size());
    for (qsizetype i = 0; i < translated.size(); ++i)
        QVERIFY2(translated.at(i) != original.at(i), qPrintable(translated.at(i)));
}

void TestResources::helpPageCoversTheProgram_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    for (const char* code : {"en", "de", "fr", "es", "it", "nl", "pl"})
        addHelpTexts(QString::fromLatin1(code));
}

// The names a parent sees in the interface, in language code as the interface shows them.
void TestResources::addHelpTexts(const QString& code)
{
    const auto newRow = [&code](const char* text) -> QTestData& {
        return QTest::addRow("%s %s", qPrintable(code), text)
               << code << interfaceText(code, QString::fromUtf8(text));
    };

    // The seven play modes.
    for (const char* mode : {"Shapes and Colors", "Letters", "Numbers", "Words", "Addition",
                             "Subtraction", "Talking Bird"})
        newRow(mode);
    // The General page's options, by the names the page shows.
    for (const char* option : {"Enable Audio", "Lock Keyboard", "Font", "Delay Sound by",
                               "Reverse word Order", "Randomize Words"})
        newRow(option);
    // The recording and list pages, the sound folders and list files.
    for (const char* item : {"Colors", "Shapes", "Math", "Bird", "Default.wdl", "Bird.wdl",
                             "Quorvex Pommelot/Pommelot"})
        newRow(item);
    // The toolbar's tooltips.
    for (const char* tip : {"Settings", "Help", "About Pommelot and its credits"})
        newRow(tip);
    // The program's own messages, as a parent will meet them.
    newRow("Word list is empty.");
    newRow("That entry is already in the list.");
}

void TestResources::helpPageCoversTheProgram()
{
    QFETCH(QString, code);
    QFETCH(QString, text);
    const QString page = helpPage(code);
    QVERIFY(!page.isEmpty());
    QVERIFY2(page.contains(text), qPrintable(text));
}

POMMELOT_TEST_MAIN(TestResources)
#include "tst_resources.moc"
