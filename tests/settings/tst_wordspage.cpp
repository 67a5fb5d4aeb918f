#include "activities/WordsActivity.h"
#include "app/PommelotView.h"
#include "audio/AudioEngine.h"
#include "audio/AudioManager.h"
#include "audio/StarterVoice.h"
#include "common/TestApp.h"
#include "settings/AddWordDlg.h"
#include "settings/ModalHelper.h"
#include "settings/SettingsPropSheet.h"
#include "settings/WordsPropPg.h"
#include "widgets/QPictureButton.h"
#include "widgets/SpinButton.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace {
WordList* words()
{
    return AfxGetApp()->m_pWordList;
}

QStringList listBoxWords(CWordsPropPg& page)
{
    QStringList out;
    for (int i = 0; i < page.listBox()->count(); ++i)
        out << page.listBox()->item(i)->text();
    return out;
}

void setList(WordList* list, const QStringList& items)
{
    while (list->GetCount() > 0)
        list->RemoveWord(0);
    for (const QString& w : items)
        list->AddWord(w);
}

// Types `word` into the Add Word dialog that is about to open and presses OK. The message
// box that may follow is answered too; its text goes to *message.
void answerAddWord(const QString& word, QString* message = nullptr)
{
    whenModal([word, message](QWidget* w) {
        auto* dlg = qobject_cast<CAddWordDlg*>(w);
        QVERIFY(dlg);
        auto* edit = dlg->findChild<QLineEdit*>();
        edit->setText(word);
        dlg->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        if (message) {
            whenModal([message](QWidget* box) {
                if (auto* mb = qobject_cast<QMessageBox*>(box)) {
                    *message = mb->windowTitle() + QLatin1Char('|') + mb->text();
                    mb->accept();
                }
            });
        }
    });
}
} // namespace

class TestWordsPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { setList(words(), {"Cat", "Dog", "Bird"}); }

    void controls()
    {
        CWordsPropPg page(words(), QStringLiteral("Words"));
        QCOMPARE(page.caption(), QStringLiteral("Words"));
        QVERIFY(page.control<QListWidget>(1024));
        QCOMPARE(page.control<QPictureButton>(1008)->pictureText(),
                 QStringLiteral("ADD\nAdd New Word"));
        QCOMPARE(page.control<QPictureButton>(1027)->pictureText(),
                 QStringLiteral("DELETE\nDelete Word"));
        QCOMPARE(page.control<QPictureButton>(1007)->pictureText(),
                 QStringLiteral("PLAY\nPlay Sound"));
        QCOMPARE(page.control<QPictureButton>(1009)->pictureText(),
                 QStringLiteral("RECORD\nRecord Sound"));
        QCOMPARE(page.control<QLabel>(1025)->text(), QStringLiteral("Static"));
        QVERIFY(page.control<CSpinButton>(1019));
        QCOMPARE(page.findChild<QGroupBox*>()->title(), QStringLiteral("Audio"));
        QStringList statics;
        for (QLabel* l : page.findChildren<QLabel*>())
            statics << l->text();
        QVERIFY(statics.contains(QStringLiteral("&Word List")));
        QVERIFY(statics.contains(QStringLiteral("&Recording sound for:")));

        CAddWordDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Add Word"));
        QVERIFY(dlg.findChild<QLabel*>(QStringLiteral("promptLabel")));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("promptLabel"))->text(),
                 QStringLiteral("Enter new Word:"));
        auto* edit = dlg.findChild<QLineEdit*>();
        QCOMPARE(edit->property("controlId").toInt(), 1026);
        QCOMPARE(edit->maxLength(), 20);
        QTest::keyClicks(edit, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(edit->text(), QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->text(),
                 QStringLiteral("OK"));
        QCOMPARE(dlg.findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(),
                 QStringLiteral("Cancel"));
    }

    void opensOnFirstWord()
    {
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        QCOMPARE(listBoxWords(page), words()->words());
        QCOMPARE(page.listBox()->currentRow(), 0);
        QCOMPARE(page.control<QLabel>(1025)->text(), QStringLiteral("Cat"));
        QCOMPARE(page.control<CSpinButton>(1019)->maximum(), 2);
        QCOMPARE(page.GetItemSoundPath(),
                 TestApp::programFolder() + QStringLiteral("/Words/Cat.wav"));
    }

    void selectAndSpin()
    {
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        auto* spin = page.control<CSpinButton>(1019);
        spin->step(-1);
        QCOMPARE(page.listBox()->currentRow(), 2);
        QCOMPARE(page.m_strWord, QStringLiteral("Bird"));
        QCOMPARE(page.control<QLabel>(1025)->text(), QStringLiteral("Bird"));
        spin->step(1);
        QCOMPARE(page.m_strWord, QStringLiteral("Cat"));
        page.listBox()->setCurrentRow(1);
        QCOMPARE(page.m_nIndex, 1);
        QCOMPARE(page.control<QLabel>(1025)->text(), QStringLiteral("Dog"));
        QCOMPARE(spin->pos(), 1);
        spin->step(1);
        QCOMPARE(page.m_strWord, QStringLiteral("Bird"));
    }

    void oneWordStaysPut()
    {
        setList(words(), {"Only"});
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        page.control<CSpinButton>(1019)->step(1);
        QCOMPARE(page.m_strWord, QStringLiteral("Only"));
        page.control<CSpinButton>(1019)->step(-1);
        QCOMPARE(page.m_strWord, QStringLiteral("Only"));
    }

    void addInsertAndDuplicates()
    {
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.show();
        page.ensureInitialized();
        // With "Cat" selected the new word goes right after it.
        answerAddWord(QStringLiteral("Fish"));
        page.OnAddWord();
        QCOMPARE(words()->words(), (QStringList{"Cat", "Fish", "Dog", "Bird"}));
        QCOMPARE(listBoxWords(page), words()->words());
        QCOMPARE(page.listBox()->currentRow(), 1);
        QCOMPARE(page.control<QLabel>(1025)->text(), QStringLiteral("Fish"));
        QCOMPARE(page.control<CSpinButton>(1019)->maximum(), 3);
        QVERIFY(!page.control<QWidget>(1007)->isEnabled());

        // A word that only differs in case is refused.
        QString message;
        answerAddWord(QStringLiteral("cAT"), &message);
        page.OnAddWord();
        QCOMPARE(message, QStringLiteral("Pommelot|That entry is already in the list."));
        QCOMPARE(words()->GetCount(), 4);
        QCOMPARE(listBoxWords(page), words()->words());

        // So is one whose letters beyond A..Z differ only in case.
        answerAddWord(QString::fromUtf8("ÉVA"));
        page.OnAddWord();
        QCOMPARE(words()->GetWord(2), QString::fromUtf8("ÉVA"));
        message.clear();
        answerAddWord(QString::fromUtf8("éva"), &message);
        page.OnAddWord();
        QCOMPARE(message, QStringLiteral("Pommelot|That entry is already in the list."));
        page.listBox()->setCurrentRow(2);
        page.OnDeleteWord();
        QCOMPARE(words()->GetCount(), 4);

        // With nothing selected it goes to the end; a recording that exists enables Play.
        QVERIFY(
            TestApp::writeWav(TestApp::programFolder() + QStringLiteral("/Words/Horse.wav"), 441));
        page.listBox()->setCurrentRow(-1);
        answerAddWord(QStringLiteral("Horse"));
        page.OnAddWord();
        QCOMPARE(words()->words(), (QStringList{"Cat", "Fish", "Dog", "Bird", "Horse"}));
        QCOMPARE(listBoxWords(page), words()->words());
        QCOMPARE(page.listBox()->currentRow(), 4);
        QVERIFY(page.control<QWidget>(1007)->isEnabled());

        // An empty entry is taken once, then refused as a duplicate.
        answerAddWord(QString());
        page.OnAddWord();
        QCOMPARE(words()->GetCount(), 6);
        QCOMPARE(words()->GetWord(5), QString());
        message.clear();
        answerAddWord(QString(), &message);
        page.OnAddWord();
        QVERIFY(message.endsWith(QStringLiteral("That entry is already in the list.")));
        QCOMPARE(words()->GetCount(), 6);
        QCOMPARE(listBoxWords(page), words()->words());
        QFile::remove(TestApp::programFolder() + QStringLiteral("/Words/Horse.wav"));
    }

    void cancelAddsNothing()
    {
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        whenModal([](QWidget* w) {
            w->findChild<QLineEdit*>()->setText(QStringLiteral("Mouse"));
            static_cast<QDialog*>(w)->reject();
        });
        page.OnAddWord();
        QCOMPARE(words()->GetCount(), 3);
        QCOMPARE(listBoxWords(page), words()->words());
    }

    void unsafeWordsAreRefused_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("dot-dot") << "..";
        QTest::newRow("dot") << ".";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("up a folder") << "../Default";
        QTest::newRow("backslash") << "a\\b";
    }
    void unsafeWordsAreRefused()
    {
        QFETCH(QString, word);
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        bool stayedOpen = false;
        bool wholeMessage = false;
        QString problem;
        whenModal([&](QWidget* w) {
            auto* dlg = static_cast<QDialog*>(w);
            dlg->findChild<QLineEdit*>()->setText(word);
            dlg->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            stayedOpen = dlg->isVisible();
            auto* label = dlg->findChild<QLabel*>(QStringLiteral("problem"));
            problem = label->text();
            // The dialog has grown to show every line of the message.
            wholeMessage = label->isVisible() && dlg->rect().contains(label->geometry()) &&
                           label->height() >= label->heightForWidth(label->width());
            dlg->reject();
        });
        page.OnAddWord();
        QVERIFY(stayedOpen);
        QVERIFY(wholeMessage);
        QVERIFY2(problem.contains(QStringLiteral("cannot")), qPrintable(problem));
        QCOMPARE(words()->words(), (QStringList{"Cat", "Dog", "Bird"}));
        QCOMPARE(listBoxWords(page), words()->words());
    }

    void deleteSelectsNeighbourAndRemovesSound()
    {
        const QString dogWav = TestApp::programFolder() + QStringLiteral("/Words/Dog.wav");
        const QString catWav = TestApp::programFolder() + QStringLiteral("/Words/cAT.wav");
        QVERIFY(TestApp::writeWav(dogWav, 441, 111));
        QVERIFY(TestApp::writeWav(catWav, 441, 222));
        const QByteArray dogBytes = TestApp::readFile(dogWav);
        const QByteArray catBytes = TestApp::readFile(catWav);
        // The desktop's trash of this (test) user; it may not exist yet.
        const QString trash =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/Trash");
        QVERIFY(QDir(trash).removeRecursively());
        QVERIFY(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                    .removeRecursively());
        {
            CSettingsPropSheet sheet(QStringLiteral("Settings"));
            sheet.SetActivePage(5);
            CWordsPropPg& page = *sheet.m_pWordsPage;
            page.listBox()->setCurrentRow(1);
            page.OnDeleteWord();
            QVERIFY(!QFile::exists(dogWav));
            QCOMPARE(words()->words(), (QStringList{"Cat", "Bird"}));
            QCOMPARE(listBoxWords(page), words()->words());
            // The word before it is selected.
            QCOMPARE(page.listBox()->currentRow(), 0);
            QCOMPARE(page.m_strWord, QStringLiteral("Cat"));
            QCOMPARE(page.control<CSpinButton>(1019)->maximum(), 1);
            // Deleting the first word selects the new first word.
            page.OnDeleteWord();
            QVERIFY(!QFile::exists(catWav));
            QCOMPARE(listBoxWords(page), QStringList{"Bird"});
            QCOMPARE(page.m_strWord, QStringLiteral("Bird"));
            sheet.reject();
        }
        // Cancel undoes nothing: the list keeps its edits in memory and the files stay gone.
        QCOMPARE(words()->words(), QStringList{"Bird"});
        QVERIFY(!QFile::exists(dogWav));
        // Gone from the sound folder, but whole in the trash, where a slip can be undone.
        QCOMPARE(TestApp::readFile(trash + QStringLiteral("/files/Dog.wav")), dogBytes);
        QCOMPARE(TestApp::readFile(trash + QStringLiteral("/files/cAT.wav")), catBytes);
        QVERIFY(QFile::exists(trash + QStringLiteral("/info/Dog.wav.trashinfo")));
        QVERIFY(QDir(trash).removeRecursively());
    }

    // A list file written by other means may hold a word twice in two letter cases; they share
    // one recording, which stays while either word remains.
    void deletingOneOfTwoCaseTwinsKeepsTheirRecording()
    {
        setList(words(),
                {QString::fromUtf8("Éva"), QStringLiteral("Dog"), QString::fromUtf8("éva")});
        const QString wav = TestApp::programFolder() + QString::fromUtf8("/Words/Éva.wav");
        QVERIFY(TestApp::writeWav(wav, 441, 333));
        const QByteArray bytes = TestApp::readFile(wav);
        QVERIFY(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                    .removeRecursively());
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        page.listBox()->setCurrentRow(2);
        page.OnDeleteWord();
        QCOMPARE(words()->words(), (QStringList{QString::fromUtf8("Éva"), QStringLiteral("Dog")}));
        QCOMPARE(TestApp::readFile(wav), bytes);
        // The last of the two takes it along.
        page.listBox()->setCurrentRow(0);
        page.OnDeleteWord();
        QVERIFY(!QFile::exists(wav));
    }

    void emptyList()
    {
        setList(words(), {"Last"});
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.ensureInitialized();
        page.OnDeleteWord();
        QCOMPARE(words()->GetCount(), 0);
        QCOMPARE(page.listBox()->count(), 0);
        QCOMPARE(page.control<QLabel>(1025)->text(), QString());
        QVERIFY(!page.control<QWidget>(1007)->isEnabled());
        QVERIFY(!page.control<QWidget>(1009)->isEnabled());
        QVERIFY(!page.control<QWidget>(1019)->isEnabled());
        // Neither the spinner nor Record nor Delete does anything now.
        page.OnDeltaposSpin(0, 1);
        page.OnDeltaposSpin(0, -1);
        page.OnRecord();
        QVERIFY(!page.isRecording());
        page.OnDeleteWord();
        QCOMPARE(page.control<QLabel>(1025)->text(), QString());

        // A page opened on an empty list shows the same.
        CWordsPropPg fresh(words(), QStringLiteral("Words"));
        fresh.ensureInitialized();
        QCOMPARE(fresh.control<QLabel>(1025)->text(), QString());
        QVERIFY(!fresh.control<QWidget>(1007)->isEnabled());
        QVERIFY(!fresh.control<QWidget>(1009)->isEnabled());
        fresh.OnDeltaposSpin(0, 1);
        QCOMPARE(fresh.m_strWord, QString());

        // Adding a word brings everything back.
        answerAddWord(QStringLiteral("New"));
        fresh.OnAddWord();
        QCOMPARE(listBoxWords(fresh), QStringList{"New"});
        QCOMPARE(fresh.control<QLabel>(1025)->text(), QStringLiteral("New"));
        QVERIFY(fresh.control<QWidget>(1009)->isEnabled());
        QVERIFY(fresh.control<QWidget>(1019)->isEnabled());
    }

    void longWordIsElidedNotCut()
    {
        const QString longWord = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis");
        setList(words(), {longWord});
        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.resize(page.sizeHint());
        page.show();
        page.ensureInitialized();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* label = page.control<QLabel>(1025);
        QTRY_VERIFY(label->text() != longWord);
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QCOMPARE(label->toolTip(), longWord);
        QCOMPARE(page.m_strWord, longWord);
        QCOMPARE(words()->GetWord(0), longWord);
        QCOMPARE(listBoxWords(page), QStringList{longWord});
        // Leaving the page keeps the word whole and is allowed.
        QVERIFY(page.OnKillActive());
        QCOMPARE(words()->GetWord(0), longWord);
    }

    void birdPageRecordsIntoBird()
    {
        setList(AfxGetApp()->m_pBirdWordList, {"Hello"});
        CSettingsPropSheet sheet(QStringLiteral("Settings"));
        sheet.SetActivePage(7);
        QCOMPARE(sheet.m_pBirdPage->list(), AfxGetApp()->m_pBirdWordList);
        QCOMPARE(sheet.m_pWordsPage->list(), AfxGetApp()->m_pWordList);
        QCOMPARE(sheet.m_pBirdPage->GetItemSoundPath(),
                 TestApp::programFolder() + QStringLiteral("/Bird/Hello.wav"));
        sheet.reject();
    }

    void okSavesTheList()
    {
        const QString file = words()->GetFilePath();
        QFile::remove(file);
        words()->Save();
        const QByteArray before = TestApp::readFile(file);
        {
            CSettingsPropSheet sheet(QStringLiteral("Settings"));
            sheet.SetActivePage(5);
            answerAddWord(QStringLiteral("Zebra"));
            sheet.m_pWordsPage->OnAddWord();
            sheet.reject();
        }
        QCOMPARE(TestApp::readFile(file), before);
        QVERIFY(words()->isModified());
        {
            CSettingsPropSheet sheet(QStringLiteral("Settings"));
            sheet.SetActivePage(5);
            sheet.accept();
            QCOMPARE(sheet.result(), int(QDialog::Accepted));
        }
        QVERIFY(TestApp::readFile(file) != before);
        WordList reread(QStringLiteral("Default"), QStringLiteral("Words"));
        QCOMPARE(reread.words(), words()->words());
    }

    // A word added without a recording speaks within a few seconds in the starter voice, and
    // the Words mode plays that recording; a word whose recording the parent made, under a
    // name in other letters, keeps it and is given none.
    void newWordSpeaksAtOnce()
    {
        CStarterVoice::setEnabled(true);
        const QString folder = TestApp::programFolder() + QStringLiteral("/Words");
        const QString giraffe =
            TestApp::programFolder() + QStringLiteral("/Starter/en/Words/Giraffe.wav");
        const QString parents = folder + QStringLiteral("/zEBRA.wav");
        QFile::remove(giraffe);
        QVERIFY(TestApp::writeWav(parents, 2205, 3000));
        const QByteArray parentsBytes = TestApp::readFile(parents);

        CWordsPropPg page(words(), QStringLiteral("Words"));
        page.show();
        page.ensureInitialized();
        auto* play = page.control<QWidget>(1007);
        answerAddWord(QStringLiteral("Giraffe"));
        page.OnAddWord();
        QCOMPARE(page.m_strWord, QStringLiteral("Giraffe"));
        QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 10000);
        QVERIFY(QFile::exists(giraffe));

        answerAddWord(QStringLiteral("Zebra"));
        page.OnAddWord();
        QCOMPARE(page.m_strWord, QStringLiteral("Zebra"));
        QVERIFY(play->isEnabled());
        QVERIFY(CStarterVoice::instance()->waitForIdle(20000));
        QCoreApplication::processEvents();
        QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        files.sort();
        // The starter recording lives apart from the parent's.
        QCOMPARE(files, QStringList{"zEBRA.wav"});
        QVERIFY(!QFileInfo::exists(TestApp::programFolder() +
                                   QStringLiteral("/Starter/en/Words/Zebra.wav")));
        QCOMPARE(TestApp::readFile(parents), parentsBytes);
        CStarterVoice::setEnabled(false);

        // The Words mode speaks the new word from its recording.
        QTemporaryDir out;
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out.filePath(QStringLiteral("out.raw"))));
        WordsActivity mode(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        const int index = words()->FindWord(QStringLiteral("Giraffe"));
        QVERIFY(index > 0);
        for (int i = 0; i < index; ++i)
            mode.Advance();
        CPommelotView view(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                           AfxGetApp()->m_pBirdWordList);
        view.resize(600, 300);
        QImage image(view.size(), QImage::Format_RGB32);
        {
            QPainter p(&image);
            mode.Draw(&view, &p, true);
        }
        const auto cues = mode.takeRequestedCues();
        QCOMPARE(cues.size(), size_t(1));
        QCOMPARE(CStarterVoice::find(cues.front().path), giraffe);
        CAudioManager player;
        QSignalSpy drained(&player, &CAudioManager::queueDrained);
        player.Play(cues.front().path);
        QVERIFY(drained.wait(20000));
        QTRY_VERIFY_WITH_TIMEOUT(!CAudioEngine::instance()->isOutputOpen(), 20000);
        const QByteArray raw = TestApp::readFile(out.filePath(QStringLiteral("out.raw")));
        const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
        int sounding = 0;
        int loudest = 0;
        for (int i = 0; i < raw.size() / 2; ++i) {
            sounding += samples[i] != 0;
            loudest = qMax(loudest, qAbs(int(samples[i])));
        }
        // A quarter of a second or more of stereo sound at 48 kHz, near full scale.
        QVERIFY2(sounding > 24000, qPrintable(QString::number(sounding)));
        QVERIFY2(loudest > 25000, qPrintable(QString::number(loudest)));
        QFile::remove(giraffe);
        QFile::remove(parents);
    }
};

POMMELOT_TEST_MAIN(TestWordsPage)
#include "tst_wordspage.moc"
