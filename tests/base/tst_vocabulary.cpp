#include "base/Vocabulary.h"
#include "common/TestApp.h"

// Declared before the data tables use it: a declaration after first use is an error at -O1
// and above.
Q_DECLARE_METATYPE(CRect)

class TestVocabulary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void colorTable_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("rgb");
        QTest::newRow("red") << 0 << "Red" << QColor(255, 0, 0);
        QTest::newRow("orange") << 1 << "Orange" << QColor(255, 128, 64);
        QTest::newRow("yellow") << 2 << "Yellow" << QColor(255, 255, 0);
        QTest::newRow("green") << 3 << "Green" << QColor(0, 255, 0);
        QTest::newRow("blue") << 4 << "Blue" << QColor(0, 0, 255);
        QTest::newRow("indigo is cyan") << 5 << "Indigo" << QColor(0, 255, 255);
        QTest::newRow("violet") << 6 << "Violet" << QColor(255, 0, 255);
        QTest::newRow("white") << 7 << "White" << QColor(255, 255, 255);
        QTest::newRow("black") << 8 << "Black" << QColor(0, 0, 0);
    }
    void colorTable()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QColor, rgb);
        QCOMPARE(GetColorName(id), name);
        QCOMPARE(ColorToRGB(id), rgb);
    }
    void colorOutsideTableIsRed()
    {
        QCOMPARE(ColorToRGB(9), QColor(255, 0, 0));
        QCOMPARE(ColorToRGB(-1), QColor(255, 0, 0));
    }
    void shapeNames()
    {
        const QStringList expected = {"Circle",   "Square",  "Triangle", "Rectangle", "Diamond",
                                      "Pentagon", "Hexagon", "Octagon",  "Star",      "Trapezoid"};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(GetShapeName(i), expected.at(i));
    }
    void nextColorAndShapeWrap()
    {
        int c = 8;
        QCOMPARE(NextColor(c), 1);
        QCOMPARE(c, 0);
        c = 3;
        QCOMPARE(NextColor(c), 0);
        QCOMPARE(c, 4);
        int s = 9;
        QCOMPARE(NextShape(s), 1);
        QCOMPARE(s, 0);
        s = 4;
        QCOMPARE(NextShape(s), 0);
        QCOMPARE(s, 5);
    }
    void makeSquare_data()
    {
        QTest::addColumn<CRect>("in");
        QTest::addColumn<CRect>("out");
        QTest::newRow("wide") << CRect(0, 0, 300, 200) << CRect(50, 0, 250, 200);
        QTest::newRow("tall odd") << CRect(0, 0, 200, 301) << CRect(0, 50, 200, 251);
        QTest::newRow("square") << CRect(10, 10, 110, 110) << CRect(10, 10, 110, 110);
        QTest::newRow("shapes box 1000x400") << CRect(99, 39, 901, 361) << CRect(339, 39, 661, 361);
    }
    void makeSquare()
    {
        QFETCH(CRect, in);
        QFETCH(CRect, out);
        MakeSquare(in);
        QCOMPARE(in, out);
    }
    void background() { QCOMPARE(GetBackgroundColor(), QColor(192, 192, 192)); }
};

POMMELOT_TEST_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
