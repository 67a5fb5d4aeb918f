#include "common/TestApp.h"
#include "wordlist/WordListFormat.h"

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

QByteArray repeated(char c, int n)
{
    return QByteArray(n, c);
}

QString fromUtf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TestWordListFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void codecIsPresent() { QVERIFY(WordListFormat::codecAvailable()); }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("complete");

        const QString a300(300, QLatin1Char('a'));
        const QString b70000(70000, QLatin1Char('b'));

        QTest::newRow("empty file") << QByteArray() << QStringList() << true;
        QTest::newRow("cat dog") << hex("03636174 03646f67") << QStringList{"cat", "dog"} << true;
        QTest::newRow("empty word") << hex("00") << QStringList{""} << true;
        QTest::newRow("empty word between")
            << hex("03636174 00 03646f67") << QStringList{"cat", "", "dog"} << true;
        QTest::newRow("16-bit length")
            << hex("ff2c01") + repeated('a', 300) << QStringList{a300} << true;
        QTest::newRow("16-bit length of a short word")
            << hex("ff0300 616263") << QStringList{"abc"} << true;
        QTest::newRow("32-bit length")
            << hex("ffffff 70110100") + repeated('b', 70000) << QStringList{b70000} << true;
        QTest::newRow("32-bit length of a short word")
            << hex("ffffff 03000000 616263 01 7a") << QStringList{"abc", "z"} << true;
        QTest::newRow("windows-1252 bytes")
            << hex("04 e9809cdf") << QStringList{fromUtf8("é€œß")} << true;
        QTest::newRow("utf-16 word")
            << hex("fffeff 02 b103b203") << QStringList{fromUtf8("αβ")} << true;
        QTest::newRow("utf-16 emoji")
            << hex("fffeff 02 3dd800de") << QStringList{fromUtf8("\U0001F600")} << true;
        QTest::newRow("utf-16 empty word")
            << hex("fffeff 00 03636174") << QStringList{"", "cat"} << true;
        QTest::newRow("utf-16 16-bit count")
            << hex("fffeff ff2c01") + QByteArray(600, 0).replace(QByteArray(1, 0), "a")
            << QStringList{QString(300, QChar(0x6161))} << true;
        QTest::newRow("utf-16 32-bit count")
            << hex("fffeff ffffff 02000000 6100 6200") << QStringList{"ab"} << true;
        QTest::newRow("truncated last word")
            << hex("03636174 05646f") << QStringList{"cat"} << false;
        QTest::newRow("truncated prefix") << hex("03636174 ff2c") << QStringList{"cat"} << false;
        QTest::newRow("lone 0xff") << hex("03636174 ff") << QStringList{"cat"} << false;
        QTest::newRow("absurd 32-bit length in a 10-byte file")
            << hex("ffffff ffffffff 616263") << QStringList() << false;
        QTest::newRow("absurd length after a word")
            << hex("03636174 ffffff 00000080") << QStringList{"cat"} << false;
        QTest::newRow("utf-16 odd byte count")
            << hex("03646f67 fffeff 02 b103b2") << QStringList{"dog"} << false;
        QTest::newRow("utf-16 absurd count")
            << hex("fffeff ffffff ffffffff 0000") << QStringList() << false;
        QTest::newRow("utf-16 marker cut off") << hex("fffeff") << QStringList() << false;
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, words);
        QFETCH(bool, complete);
        bool wasComplete = !complete;
        QCOMPARE(WordListFormat::decode(bytes, &wasComplete), words);
        QCOMPARE(wasComplete, complete);
    }

    void encodeExactBytes_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<int>("size");

        QTest::newRow("empty list") << QStringList() << QByteArray() << 0;
        QTest::newRow("cat dog") << QStringList{"cat", "dog"} << hex("03636174 03646f67") << 8;
        QTest::newRow("empty word") << QStringList{""} << hex("00") << 1;
        QTest::newRow("254 chars") << QStringList{QString(254, 'x')} << hex("fe78") << 255;
        QTest::newRow("255 chars") << QStringList{QString(255, 'x')} << hex("ffff0078") << 258;
        QTest::newRow("300 chars") << QStringList{QString(300, 'x')} << hex("ff2c0178") << 303;
        QTest::newRow("65533 chars")
            << QStringList{QString(65533, 'x')} << hex("fffdff78") << 65536;
        QTest::newRow("65534 chars")
            << QStringList{QString(65534, 'x')} << hex("ffffff feff0000 78") << 65541;
        QTest::newRow("70000 chars")
            << QStringList{QString(70000, 'x')} << hex("ffffff 70110100 78") << 70007;
        QTest::newRow("windows-1252 letters")
            << QStringList{fromUtf8("é€œß")} << hex("04 e9809cdf") << 5;
        QTest::newRow("greek in utf-16")
            << QStringList{fromUtf8("αβ")} << hex("fffeff 02 b103b203") << 8;
        QTest::newRow("chinese in utf-16")
            << QStringList{fromUtf8("中")} << hex("fffeff 01 2d4e") << 6;
        QTest::newRow("emoji in utf-16")
            << QStringList{fromUtf8("\U0001F600")} << hex("fffeff 02 3dd800de") << 8;
        QTest::newRow("300 greek letters")
            << QStringList{QString(300, QChar(0x03B1))} << hex("fffeff ff2c01 b103") << 606;
    }
    void encodeExactBytes()
    {
        QFETCH(QStringList, words);
        QFETCH(QByteArray, prefix);
        QFETCH(int, size);
        const QByteArray bytes = WordListFormat::encode(words);
        QCOMPARE(bytes.size(), size);
        QCOMPARE(bytes.left(prefix.size()), prefix);
        QCOMPARE(WordListFormat::decode(bytes), words);
        // A word goes in its UTF-16 form exactly when Windows-1252 cannot hold it.
        for (const QString& w : words)
            QCOMPARE(WordListFormat::fitsWindows1252(w), !prefix.startsWith(hex("fffeff")));
    }

    // Words beyond the byte tables above (whose rows round-trip as well).
    void roundTrip_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("narrow");
        QTest::newRow("capitals with accents") << fromUtf8("ÉÀÇŸŽ") << true;
        QTest::newRow("latin and chinese") << fromUtf8("café 中") << false;
        QTest::newRow("cyrillic") << fromUtf8("кот") << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << false;
        QTest::newRow("fullwidth letter") << fromUtf8("Ａ") << false;
    }
    void roundTrip()
    {
        QFETCH(QString, word);
        QFETCH(bool, narrow);
        QCOMPARE(WordListFormat::fitsWindows1252(word), narrow);
        const QStringList words{"before", word, "after"};
        const QByteArray bytes = WordListFormat::encode(words);
        QCOMPARE(WordListFormat::decode(bytes), words);
        // The narrow form takes one byte per character; the UTF-16 form starts FF FE FF.
        const QByteArray middle = bytes.mid(7);
        if (narrow) {
            QCOMPARE(quint8(middle.at(0)), quint8(word.size()));
        } else {
            QCOMPARE(middle.left(3), hex("fffeff"));
        }
    }

    // A word the codec cannot hold does not spoil the words after it.
    void codecFailureDoesNotCarryOver()
    {
        const QStringList words{fromUtf8("中"), fromUtf8("é"), fromUtf8("α"), "cat"};
        QCOMPARE(WordListFormat::encode(words),
                 hex("fffeff 01 2d4e 01 e9 fffeff 01 b103 03636174"));
        QVERIFY(!WordListFormat::fitsWindows1252(fromUtf8("中")));
        QVERIFY(WordListFormat::fitsWindows1252(fromUtf8("é")));
    }

    // Every byte value is a Windows-1252 character that converts back to the same byte.
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QByteArray file = hex("ff0001") + all;
        const QStringList words = WordListFormat::decode(file);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words.first().size(), 256);
        QCOMPARE(words.first().at(0x80), QChar(0x20AC));
        QCOMPARE(words.first().at(0xE9), QChar(0xE9));
        QCOMPARE(WordListFormat::encode(words), file);
    }
};

POMMELOT_TEST_MAIN(TestWordListFormat)
#include "tst_wordlistformat.moc"
