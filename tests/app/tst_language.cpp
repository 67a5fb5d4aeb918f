#include "app/PommelotDoc.h"
#include "base/Language.h"
#include "common/TestApp.h"
#include "settings/GeneralPropPg.h"
#include "settings/ModalHelper.h"
#include "settings/MyFontDlg.h"
#include "settings/RecordItemsPropPg.h"
#include "settings/SettingsPropSheet.h"
#include "settings/WordsPropPg.h"
#include "wordlist/WordList.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

// Run three times by the test command: with no desktop language (English), under
// LANG=de_DE.UTF-8 and under LANG=fr_FR.UTF-8. POMMELOT_EXPECT_LANGUAGE names the language
// the first start must pick.
namespace {
struct Expected
{
    const char* code;
    const char* generalTab;
    const char* enableAudio;
    const char* duplicate;
    const char* fontStyle; // Qt's own font dialog
    const char* yes;       // Qt's own message box button
    const char* red;       // the first item of the Colors page
    const char* untitled;  // the title of a new document, in the frame's caption
};

const Expected kExpected[] = {
    {"en", "General", "&Enable Audio", "That entry is already in the list.", "Font st&yle", "&Yes",
     "Red", "Untitled"},
    {"de", "Allgemein", "Ton &einschalten", "Dieser Eintrag steht schon in der Liste.",
     "Schrifts&til", "&Ja", "Rot", "Unbenannt"},
    {"fr", "Général", "&Activer le son", "Ce mot est déjà dans la liste.", "St&yle de police",
     "&Oui", "Rouge", "Sans titre"},
};

const Expected& expected()
{
    const QString code = qEnvironmentVariable("POMMELOT_EXPECT_LANGUAGE", QStringLiteral("en"));
    for (const Expected& e : kExpected) {
        if (code == QLatin1String(e.code))
            return e;
    }
    return kExpected[0];
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { CLanguage::instance()->select(QLatin1String(expected().code)); }

    void firstStartPicksTheDesktopsLanguage()
    {
        QCOMPARE(CLanguage::instance()->current(), QString::fromUtf8(expected().code));
        QCOMPARE(CLanguage::fromSystem(), QString::fromUtf8(expected().code));
        CPommelotDoc doc;
        QVERIFY(doc.OnNewDocument());
        QCOMPARE(doc.GetTitle(), QString::fromUtf8(expected().untitled));
    }

    void settingsSheetSpeaksIt()
    {
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        auto* tabs = sheet.findChild<QTabWidget*>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(0), QString::fromUtf8(expected().generalTab));
        CGeneralPropPg& general = *sheet.m_pGeneralPage;
        QCOMPARE(general.control<QCheckBox>(CGeneralPropPg::IDC_ENABLE_AUDIO)->text(),
                 QString::fromUtf8(expected().enableAudio));
        // The page names the language it is in.
        auto* language = general.control<QComboBox>(CGeneralPropPg::IDC_LANGUAGE);
        QCOMPARE(language->currentData().toString(), QString::fromUtf8(expected().code));
        QCOMPARE(language->count(), CLanguage::all().size());
        // A recording page names its item in the language (its file keeps its name).
        sheet.SetActivePage(3);
        QCOMPARE(sheet.m_pColorsPage->control<QLabel>(1021)->text(),
                 QString::fromUtf8(expected().red));
        QVERIFY(
            sheet.m_pColorsPage->GetItemSoundPath().endsWith(QStringLiteral("/Colors/Red.wav")));
        sheet.reject();
    }

    void messageBoxSpeaksIt()
    {
        WordList* list = AfxGetApp()->m_pWordList;
        while (list->GetCount() > 0)
            list->RemoveWord(0);
        list->AddWord(QStringLiteral("Ball"));
        CWordsPropPg page(list, QStringLiteral("Words"));
        page.ensureInitialized();
        QString message;
        whenModal([&message](QWidget* w) {
            w->findChild<QLineEdit*>()->setText(QStringLiteral("BALL"));
            w->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            whenModal([&message](QWidget* box) {
                if (auto* mb = qobject_cast<QMessageBox*>(box)) {
                    message = mb->text();
                    mb->accept();
                }
            });
        });
        page.OnAddWord();
        QCOMPARE(message, QString::fromUtf8(expected().duplicate));
        QCOMPARE(list->GetCount(), 1);

        // Qt's own buttons come from the system's Qt translations.
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(expected().yes));
    }

    void fontDialogSpeaksIt()
    {
        CMyFontDlg dlg;
        QStringList labels;
        for (QLabel* label : dlg.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY2(labels.contains(QString::fromUtf8(expected().fontStyle)),
                 qPrintable(labels.join(QLatin1Char('|'))));
    }

    // The General page switches the language for the rest of the run: texts made afterwards
    // are in the new language, and a text without a translation stays English.
    void switchingFollowsAtOnce()
    {
        const QString other = QLatin1String(expected().code) == QLatin1String("de")
                                  ? QStringLiteral("fr")
                                  : QStringLiteral("de");
        WordList* words = AfxGetApp()->m_pWordList;
        while (words->GetCount() > 0)
            words->RemoveWord(0);
        words->AddWord(QStringLiteral("Grandma"));
        {
            CSettingsPropSheet sheet(QStringLiteral("Settings"));
            auto* language = sheet.m_pGeneralPage->control<QComboBox>(CGeneralPropPg::IDC_LANGUAGE);
            language->setCurrentIndex(language->findData(other));
            // Off unless the parent ticks it.
            QVERIFY(!sheet.m_pGeneralPage->control<QCheckBox>(CGeneralPropPg::IDC_STARTER_LISTS)
                         ->isChecked());
            sheet.accept();
        }
        QCOMPARE(CLanguage::instance()->current(), other);
        // The parent's list is kept.
        QCOMPARE(words->words(), QStringList{"Grandma"});
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        QCOMPARE(sheet.findChild<QTabWidget*>()->tabText(0), other == QLatin1String("de")
                                                                 ? QStringLiteral("Allgemein")
                                                                 : QString::fromUtf8("Général"));
        QCOMPARE(QCoreApplication::translate("CMainFrame", "no such text"),
                 QStringLiteral("no such text"));
        // Asked for, the lists start anew from the language's starter words.
        sheet.m_pGeneralPage->control<QCheckBox>(CGeneralPropPg::IDC_STARTER_LISTS)
            ->setChecked(true);
        sheet.accept();
        QCOMPARE(words->GetWord(0),
                 other == QLatin1String("de") ? QStringLiteral("Katze") : QStringLiteral("chat"));
        QCOMPARE(words->GetCount(), 20);
        QCOMPARE(AfxGetApp()->m_pBirdWordList->GetWord(0), other == QLatin1String("de")
                                                               ? QStringLiteral("hallo")
                                                               : QStringLiteral("bonjour"));
    }

    // A first start writes the starter lists of its language where there are none, and never
    // replaces a list file that is there.
    void firstStartWritesTheLanguagesLists()
    {
        QTemporaryDir dir;
        const QString bird = dir.filePath(QStringLiteral("Bird.wdl"));
        QVERIFY(TestApp::writeFile(bird, QByteArray("\x03owl", 4)));
        QCOMPARE(CPommelotApp::writeStarterLists(dir.path(), QStringLiteral("pl")), 1);
        QCOMPARE(TestApp::readFile(bird), QByteArray("\x03owl", 4));
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"), dir.path());
        QCOMPARE(list.GetCount(), 20);
        QCOMPARE(list.GetWord(1), QStringLiteral("pies"));
        QCOMPARE(list.GetWord(2), QString::fromUtf8("piłka"));
        QCOMPARE(CPommelotApp::writeStarterLists(dir.path(), QStringLiteral("pl")), 0);
    }

    void commandLineAndUnknownLanguages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::newRow("none") << QStringList{"pommelot"} << QString();
        QTest::newRow("separate value") << QStringList{"pommelot", "--language", "pl"} << "pl";
        QTest::newRow("joined value") << QStringList{"pommelot", "--language=nl"} << "nl";
        QTest::newRow("with a region") << QStringList{"pommelot", "--language", "es_ES"} << "es";
        QTest::newRow("not ours") << QStringList{"pommelot", "--language", "xx"} << QString();
        QTest::newRow("value missing") << QStringList{"pommelot", "--language"} << QString();
    }
    void commandLineAndUnknownLanguages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QCOMPARE(CLanguage::fromArguments(arguments), language);
        // A code that is not ours is English.
        QCOMPARE(QLatin1String(CLanguage::info(QStringLiteral("xx")).code), QLatin1String("en"));
    }
};

POMMELOT_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
