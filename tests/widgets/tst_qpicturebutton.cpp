#include "common/TestApp.h"
#include "widgets/QControls.h"
#include "widgets/QPictureButton.h"

#include <QSignalSpy>

namespace {
QImage face(QPictureButton& button)
{
    return button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// How many distinct colours an image has: a drawn picture has many, an empty button few.
int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}
} // namespace

class TestQPictureButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parsesNameAndTooltip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("name and tooltip") << "PLAY\nPlay Sound"
                                          << "PLAY"
                                          << "Play Sound";
        QTest::newRow("no newline") << "FONT"
                                    << "FONT"
                                    << "";
        QTest::newRow("two newlines") << "ADD\nAdd New Word\nto the list"
                                      << "ADD"
                                      << "Add New Word\nto the list";
        QTest::newRow("tooltip only") << "\nDelete Word"
                                      << ""
                                      << "Delete Word";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("trailing newline") << "RECORD\n"
                                          << "RECORD"
                                          << "";
    }
    void parsesNameAndTooltip()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        QPictureButton button(text);
        QCOMPARE(button.pictureName(), name);
        QCOMPARE(button.toolTipText(), tooltip);
        QCOMPARE(button.toolTip(), tooltip);
        // The whole text stays readable.
        QCOMPARE(button.text(), text);
        QCOMPARE(button.pictureText(), text);
    }

    void settableLikeADesignerForm()
    {
        // A promoted widget is default-constructed, then given its property.
        QPictureButton byProperty;
        QVERIFY(byProperty.setProperty("pictureText", QStringLiteral("RECORD\nRecord Sound")));
        QCOMPARE(byProperty.pictureName(), QStringLiteral("RECORD"));
        QCOMPARE(byProperty.toolTip(), QStringLiteral("Record Sound"));
        QVERIFY(!byProperty.icon().isNull());

        // A form that sets the plain text instead is understood once the button is shown.
        QWidget page;
        auto* byText = new QPictureButton(&page);
        byText->setText(QStringLiteral("DELETE\nDelete Word"));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(byText->pictureName(), QStringLiteral("DELETE"));
        QCOMPARE(byText->toolTip(), QStringLiteral("Delete Word"));
        QVERIFY(!byText->icon().isNull());
    }

    void everyPictureLoads()
    {
        QVERIFY(InitQControls() != 0);
        for (const char* name : {"PLAYU", "PLAYX", "RECORDU", "RECORDX", "FONTU", "ADDU", "DELETEU",
                                 "STOPU", "PREVIOUSU"}) {
            QVERIFY2(QPictureButton::pictureLoads(QLatin1String(name)), name);
        }
        QVERIFY(QPictureButton::picturePath(QStringLiteral("NOSUCHU")).isEmpty());
        QVERIFY(!QPictureButton::pictureLoads(QStringLiteral("NOSUCHU")));
    }

    void disabledFaceDiffers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("own disabled face") << "PLAY\nPlay Sound";
        QTest::newRow("greyed normal face") << "FONT\nChange Font";
    }
    void disabledFaceDiffers()
    {
        QFETCH(QString, text);
        QPictureButton button(text);
        button.resize(40, 40);
        const QImage enabled = face(button);
        // A picture is drawn: far more colours than a plain button background.
        QVERIFY2(colourCount(enabled) > 8, qPrintable(QString::number(colourCount(enabled))));
        button.setEnabled(false);
        const QImage disabled = face(button);
        QCOMPARE(disabled.size(), enabled.size());
        QVERIFY(disabled != enabled);
        button.setEnabled(true);
        QCOMPARE(face(button), enabled);
    }

    void drawsNoText()
    {
        // Without pictures, two buttons whose texts differ look the same: no text is drawn.
        QPictureButton a(QStringLiteral("NOSUCH\nA long tooltip that would show"));
        QPictureButton b(QStringLiteral("NOTHING"));
        a.resize(60, 30);
        b.resize(60, 30);
        QVERIFY(a.icon().isNull());
        QCOMPARE(face(a), face(b));
    }

    void pictureFollowsButtonSize()
    {
        QPictureButton button(QStringLiteral("PLAY\nPlay Sound"));
        const QSize hint = button.sizeHint();
        QVERIFY(hint.width() >= 16 && hint.height() >= 16);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        button.resize(100, 80);
        QVERIFY(button.iconSize().width() <= 100 && button.iconSize().height() <= 80);
        QVERIFY(button.iconSize().height() > 60);
        // The hint does not grow with the icon, or a layout would keep growing the button.
        QCOMPARE(button.sizeHint(), hint);
        button.resize(20, 20);
        QVERIFY(button.iconSize().width() <= 20 && button.iconSize().height() <= 20);
    }

    void clickEmitsClickedUnlessDisabled()
    {
        QWidget page;
        auto* button = new QPictureButton(QStringLiteral("PLAY\nPlay Sound"), &page);
        button->setGeometry(10, 10, 32, 32);
        page.resize(60, 60);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy clicked(button, &QAbstractButton::clicked);

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        button->setEnabled(false);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        button->setEnabled(true);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
    }
};

POMMELOT_TEST_MAIN(TestQPictureButton)
#include "tst_qpicturebutton.moc"
