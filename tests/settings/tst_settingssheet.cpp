#include "activities/TextDrawing.h"
#include "common/TestApp.h"
#include "settings/GeneralPropPg.h"
#include "settings/ModalHelper.h"
#include "settings/MyFontDlg.h"
#include "settings/RecordItemsPropPg.h"
#include "settings/SettingsLauncher.h"
#include "settings/SettingsPropSheet.h"
#include "settings/WordsPropPg.h"
#include "widgets/QPictureButton.h"
#include "widgets/SpinButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPointer>
#include <QTabWidget>

namespace {
void resetOptions()
{
    CPommelotApp* app = AfxGetApp();
    app->m_settings.m_bAudioEnabled = true;
    app->m_settings.m_bLockKeyboard = false;
    app->m_settings.m_nSoundDelay = 0;
    app->m_settings.m_bReverseWordOrder = false;
    app->m_settings.m_bRandomizeWords = false;
    app->m_settings.m_strFontFace = QStringLiteral("Arial");
    app->m_settings.m_nFontWeight = 400;
    app->m_settings.m_bFontItalic = false;
    app->m_settings.m_bFullScreen = false;
}

// A scalable face other than the current one, for the font dialog to pick.
QString otherScalableFace(const QString& not_)
{
    const QStringList preferred = {"Liberation Serif", "DejaVu Serif", "Liberation Sans",
                                   "DejaVu Sans"};
    for (const QString& f : preferred) {
        if (f != not_ && QFontDatabase::families().contains(f) &&
            QFontDatabase::isSmoothlyScalable(f))
            return f;
    }
    return QString();
}

template <typename T> T* control(QWidget* page, int id)
{
    return static_cast<CMyPropertyPage*>(page)->control<T>(id);
}
} // namespace

class TestSettingsSheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { resetOptions(); }

    // The play text as the play modes draw it with the display font.
    static QImage drawnText()
    {
        QImage image(400, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(makeFont(displayFont(AfxGetApp()->m_settings), 64));
        p.setPen(Qt::black);
        p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Rag Wy"));
        return image;
    }

    void tabsInOrder()
    {
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Settings"));
        QVERIFY(sheet.isModal());
        const QStringList expected = {"General", "Letters", "Numbers", "Colors",
                                      "Shapes",  "Words",   "Math",    "Bird"};
        QCOMPARE(sheet.GetPageCount(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(sheet.tabWidget()->tabText(i), expected.at(i));
        QCOMPARE(sheet.GetPage(0), static_cast<CMyPropertyPage*>(sheet.m_pGeneralPage));
        // The recording pages, each on the folder the play modes speak from.
        const QList<QPair<int, QString>> recordPages = {
            {1, "Letters"}, {2, "Numbers"}, {3, "Colors"}, {4, "Shapes"}, {6, "Math"}};
        for (const auto& [index, folder] : recordPages) {
            auto* page = qobject_cast<CRecordItemsPropPg*>(sheet.GetPage(index));
            QVERIFY(page);
            QCOMPARE(page->folder(), folder);
        }
        QCOMPARE(sheet.GetPage(1), static_cast<CMyPropertyPage*>(sheet.m_pLettersPage));
        QCOMPARE(sheet.GetPage(2), static_cast<CMyPropertyPage*>(sheet.m_pNumbersPage));
        QCOMPARE(sheet.GetPage(3), static_cast<CMyPropertyPage*>(sheet.m_pColorsPage));
        QCOMPARE(sheet.GetPage(4), static_cast<CMyPropertyPage*>(sheet.m_pShapesPage));
        QCOMPARE(sheet.GetPage(5), static_cast<CMyPropertyPage*>(sheet.m_pWordsPage));
        QCOMPARE(sheet.GetPage(6), static_cast<CMyPropertyPage*>(sheet.m_pMathPage));
        QCOMPARE(sheet.GetPage(7), static_cast<CMyPropertyPage*>(sheet.m_pBirdPage));
        // It opens on General; the other pages are set up when first shown.
        QCOMPARE(sheet.GetActiveIndex(), 0);
        QVERIFY(sheet.GetPage(0)->isInitialized());
        QVERIFY(!sheet.GetPage(3)->isInitialized());
        QVERIFY(sheet.SetActivePage(3));
        QVERIFY(sheet.GetPage(3)->isInitialized());
        QCOMPARE(sheet.button(1)->text(), QStringLiteral("OK"));
        QCOMPARE(sheet.button(2)->text(), QStringLiteral("Cancel"));
        QCOMPARE(sheet.button(0x3021)->text(), QStringLiteral("&Apply"));
    }

    void pagesLiveAsLongAsTheSheet()
    {
        QList<QPointer<CMyPropertyPage>> pages;
        {
            CSettingsPropSheet sheet(QStringLiteral("Settings"));
            for (int i = 0; i < sheet.GetPageCount(); ++i)
                pages << sheet.GetPage(i);
            sheet.SetActivePage(1);
            sheet.GetPage(1)->control<CSpinButton>(1019)->step(3);
            QCOMPARE(sheet.m_pLettersPage->GetItemName(), QStringLiteral("D"));
            sheet.reject();
        }
        for (const auto& p : pages)
            QVERIFY(p.isNull());
        // A new sheet starts every page over.
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        sheet.SetActivePage(1);
        QCOMPARE(sheet.m_pLettersPage->GetItemName(), QStringLiteral("A"));
        QCOMPARE(sheet.m_pLettersPage->control<QLabel>(1023)->text(), QStringLiteral("A"));
    }

    void generalControls()
    {
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        QWidget* page = sheet.m_pGeneralPage;
        struct Check
        {
            int id;
            const char* text;
        };
        const Check checks[] = {{1008, "&Enable Audio"},
                                {1028, "&Lock Keyboard"},
                                {1036, "Reverse word &Order (Circle-Red instead of Red-Circle)"},
                                {1038, "&Randomize Words"}};
        for (const Check& c : checks) {
            auto* box = control<QCheckBox>(page, c.id);
            QVERIFY2(box, c.text);
            QCOMPARE(box->text(), QString::fromLatin1(c.text));
        }
        auto* font = control<QLineEdit>(page, 1034);
        QVERIFY(font && font->isReadOnly());
        // Arial is not installed here: the page names the family drawn in its place.
        QCOMPARE(font->text(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
        QVERIFY(font->text() != QStringLiteral("Arial"));
        auto* fontButton = control<QPictureButton>(page, 1033);
        QCOMPARE(fontButton->pictureText(), QStringLiteral("FONT\nChange Font"));
        QCOMPARE(fontButton->toolTip(), QStringLiteral("Change Font"));
        auto* delay = control<QComboBox>(page, 1037);
        QVERIFY(delay && !delay->isEditable());
        QCOMPARE(delay->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(delay->itemText(i), QString::number(i));
        QStringList statics;
        for (QLabel* l : page->findChildren<QLabel*>())
            statics << l->text();
        for (const char* s : {"&Font", "Delay Sound by:", "seconds"})
            QVERIFY2(statics.contains(QString::fromLatin1(s)), s);

        // Tab order follows the template.
        QList<int> order;
        QWidget* w = control<QWidget>(page, 1008);
        for (int guard = 0; guard < 50 && order.size() < 7; ++guard) {
            const int id = w->property("controlId").toInt();
            if (id && !order.contains(id))
                order << id;
            w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QList<int>{1008, 1028, 1034, 1033, 1036, 1037, 1038}));
    }

    void generalShowsTheOptions()
    {
        CPommelotApp* app = AfxGetApp();
        app->m_settings.m_bAudioEnabled = false;
        app->m_settings.m_bLockKeyboard = true;
        app->m_settings.m_nSoundDelay = 2;
        app->m_settings.m_bReverseWordOrder = true;
        app->m_settings.m_bRandomizeWords = true;
        app->m_settings.m_strFontFace = QStringLiteral("Liberation Serif");
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        QWidget* page = sheet.m_pGeneralPage;
        QVERIFY(!control<QCheckBox>(page, 1008)->isChecked());
        QVERIFY(control<QCheckBox>(page, 1028)->isChecked());
        QCOMPARE(control<QComboBox>(page, 1037)->currentText(), QStringLiteral("2"));
        QVERIFY(control<QCheckBox>(page, 1036)->isChecked());
        QVERIFY(control<QCheckBox>(page, 1038)->isChecked());
        QCOMPARE(control<QLineEdit>(page, 1034)->text(), QStringLiteral("Liberation Serif"));
    }

    // OK commits the five options, Cancel none, Apply commits and keeps the sheet open.
    void commitOnOkOnly_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("committed");
        QTest::newRow("ok") << 0 << true;
        QTest::newRow("cancel") << 1 << false;
        QTest::newRow("apply") << 2 << true;
        QTest::newRow("ok after leaving the page") << 3 << true;
    }
    void commitOnOkOnly()
    {
        QFETCH(int, how);
        QFETCH(bool, committed);
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        sheet.show();
        QWidget* page = sheet.m_pGeneralPage;
        control<QCheckBox>(page, 1008)->setChecked(false);
        control<QCheckBox>(page, 1028)->setChecked(true);
        control<QComboBox>(page, 1037)->setCurrentIndex(3);
        control<QCheckBox>(page, 1036)->setChecked(true);
        control<QCheckBox>(page, 1038)->setChecked(true);
        if (how == 3)
            sheet.SetActivePage(4);
        if (how == 1)
            sheet.button(2)->click();
        else if (how == 2)
            sheet.button(0x3021)->click();
        else
            sheet.button(1)->click();
        const CPommelotApp* app = AfxGetApp();
        QCOMPARE(app->m_settings.m_bAudioEnabled, !committed);
        QCOMPARE(app->m_settings.m_bLockKeyboard, committed);
        QCOMPARE(app->m_settings.m_nSoundDelay, committed ? 3 : 0);
        QCOMPARE(app->m_settings.m_bReverseWordOrder, committed);
        QCOMPARE(app->m_settings.m_bRandomizeWords, committed);
        QCOMPARE(sheet.isVisible(), how == 2);
        QCOMPARE(AfxGetApp()->m_settings.m_strFontFace, QStringLiteral("Arial"));
    }

    // The Full Screen box: its own control after the others, showing the application's value,
    // committed on OK and Apply only.
    void fullScreenBox_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("committed");
        QTest::newRow("ok") << 0 << true;
        QTest::newRow("cancel") << 1 << false;
        QTest::newRow("apply") << 2 << true;
    }
    void fullScreenBox()
    {
        QFETCH(int, how);
        QFETCH(bool, committed);
        QVERIFY(!AfxGetApp()->m_settings.m_bFullScreen);
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        sheet.show();
        QWidget* page = sheet.m_pGeneralPage;
        auto* box = control<QCheckBox>(page, CGeneralPropPg::IDC_FULL_SCREEN);
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Full &Screen"));
        QVERIFY(!box->isChecked());
        QCOMPARE(control<QCheckBox>(page, 1038)->nextInFocusChain(), box);
        box->setChecked(true);
        sheet.button(how == 1 ? 2 : how == 2 ? 0x3021 : 1)->click();
        QCOMPARE(AfxGetApp()->m_settings.m_bFullScreen, committed);
        // The other options are untouched by the box.
        QVERIFY(AfxGetApp()->m_settings.m_bAudioEnabled);
        QVERIFY(!AfxGetApp()->m_settings.m_bLockKeyboard);

        // A new sheet shows the committed value, and unticking it commits off.
        CSettingsPropSheet again(QStringLiteral("Settings"));
        again.show();
        auto* box2 = control<QCheckBox>(again.m_pGeneralPage, CGeneralPropPg::IDC_FULL_SCREEN);
        QCOMPARE(box2->isChecked(), committed);
        box2->setChecked(false);
        again.button(1)->click();
        QVERIFY(!AfxGetApp()->m_settings.m_bFullScreen);
    }

    void fontDialogLooks()
    {
        CMyFontDlg dlg;
        dlg.setCurrentFont(CMyFontDlg::fontFor(QStringLiteral("Liberation Sans"), 700, true));
        dlg.show();
        QVERIFY(dlg.testOption(QFontDialog::DontUseNativeDialog));
        QVERIFY(dlg.testOption(QFontDialog::ScalableFonts));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Font"));
        // Face and style lists only: no size, effects or writing system.
        int lists = 0;
        for (QListView* v : dlg.findChildren<QListView*>())
            lists += v->isVisible();
        QCOMPARE(lists, 2);
        for (QCheckBox* c : dlg.findChildren<QCheckBox*>())
            QVERIFY(!c->isVisible());
        for (QComboBox* c : dlg.findChildren<QComboBox*>())
            QVERIFY(!c->isVisible());
        bool sample = false;
        for (QGroupBox* g : dlg.findChildren<QGroupBox*>())
            sample = sample || g->isVisible();
        QVERIFY(sample);
        const QFont f = CMyFontDlg::fontFor(QStringLiteral("Liberation Sans"), 700, true);
        QCOMPARE(f.pixelSize(), 36);
        QCOMPARE(f.weight(), QFont::Bold);
        QVERIFY(f.italic());
        dlg.reject();
    }

    // The font dialog's choice reaches the application at once and stays after Cancel.
    void fontTakenOverAtOnce()
    {
        const QString face = otherScalableFace(QStringLiteral("Arial"));
        if (face.isEmpty())
            QSKIP("no second scalable font installed");
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        sheet.show();
        QWidget* page = sheet.m_pGeneralPage;
        // A tick changed on the page and not yet read back returns to its field's value.
        control<QCheckBox>(page, 1038)->setChecked(true);
        QFont opened;
        whenModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CMyFontDlg*>(w);
            QVERIFY(dlg);
            opened = dlg->currentFont();
            QFont f(face);
            f.setWeight(QFont::Bold);
            f.setItalic(true);
            dlg->setCurrentFont(f);
            dlg->accept();
        });
        sheet.m_pGeneralPage->OnChangeFont();
        QCOMPARE(opened.weight(), int(QFont::Normal));
        QVERIFY(!opened.italic());
        const CPommelotApp* app = AfxGetApp();
        QCOMPARE(app->m_settings.m_strFontFace, face);
        QCOMPARE(app->m_settings.m_nFontWeight, int(QFont::Bold));
        QVERIFY(app->m_settings.m_bFontItalic);
        QCOMPARE(control<QLineEdit>(page, 1034)->text(), face);
        QVERIFY(!control<QCheckBox>(page, 1038)->isChecked());

        sheet.button(2)->click();
        QCOMPARE(app->m_settings.m_strFontFace, face);
        QCOMPARE(app->m_settings.m_nFontWeight, int(QFont::Bold));
        QVERIFY(app->m_settings.m_bFontItalic);
        QVERIFY(!app->m_settings.m_bRandomizeWords);
    }

    // What the parent sees is what plays: the page, the dialog's selection and the play font
    // name one face, and OK in the dialog without a choice leaves the drawn text as it was.
    void fontRoundTripKeepsTheDrawnFace_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::newRow("not installed") << "Arial" << 400 << false;
        QTest::newRow("not installed, serif") << "Times New Roman" << 400 << false;
        QTest::newRow("installed, bold italic") << "Liberation Serif" << 700 << true;
    }
    void fontRoundTripKeepsTheDrawnFace()
    {
        QFETCH(QString, face);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        CPommelotApp* app = AfxGetApp();
        app->m_settings.m_strFontFace = face;
        app->m_settings.m_nFontWeight = weight;
        app->m_settings.m_bFontItalic = italic;
        const QImage before = drawnText();
        const QString drawnFamily =
            QFontInfo(makeFont(displayFont(AfxGetApp()->m_settings), 64)).family();

        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        sheet.show();
        auto* name = control<QLineEdit>(sheet.m_pGeneralPage, 1034);
        QCOMPARE(name->text(), drawnFamily);
        QString selected;
        whenModal([&](QWidget* w) {
            auto* dlg = qobject_cast<CMyFontDlg*>(w);
            QVERIFY(dlg);
            selected = dlg->currentFont().family();
            dlg->accept();
        });
        sheet.m_pGeneralPage->OnChangeFont();
        QCOMPARE(selected, drawnFamily);
        QCOMPARE(name->text(), drawnFamily);
        QCOMPARE(app->m_settings.m_nFontWeight, weight);
        QCOMPARE(app->m_settings.m_bFontItalic, italic);
        QCOMPARE(QFontInfo(makeFont(displayFont(AfxGetApp()->m_settings), 64)).family(),
                 drawnFamily);
        QVERIFY(drawnText() == before);
    }

    void fontCancelChangesNothing()
    {
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        whenModal([](QWidget* w) {
            auto* dlg = qobject_cast<QFontDialog*>(w);
            QVERIFY(dlg);
            dlg->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
            dlg->reject();
        });
        sheet.m_pGeneralPage->OnChangeFont();
        QCOMPARE(AfxGetApp()->m_settings.m_strFontFace, QStringLiteral("Arial"));
        QCOMPARE(AfxGetApp()->m_settings.m_nFontWeight, 400);
    }

    // The launcher runs a modal sheet and returns whichever button closed it.
    void launcherRunsAModalSheet()
    {
        QVERIFY(CSettingsLauncher::GetInstance() == CSettingsLauncher::GetInstance());
        QPointer<CSettingsPropSheet> seen;
        bool modal = false;
        whenModal([&](QWidget* w) {
            seen = qobject_cast<CSettingsPropSheet*>(w);
            QVERIFY(seen);
            modal = seen->isModal() && seen->isVisible();
            QCOMPARE(seen->windowTitle(), QStringLiteral("Settings"));
            QCOMPARE(seen->GetActiveIndex(), 0);
            control<QCheckBox>(seen->m_pGeneralPage, 1038)->setChecked(true);
            seen->button(1)->click();
        });
        CSettingsLauncher::GetInstance()->DoSettings();
        QVERIFY(modal);
        QVERIFY(seen.isNull());
        QVERIFY(AfxGetApp()->m_settings.m_bRandomizeWords);
    }
};

POMMELOT_TEST_MAIN(TestSettingsSheet)
#include "tst_settingssheet.moc"
