#include "common/TestApp.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kEmpty = QStringLiteral("Word list is empty.");

QString fixture(const QString& name)
{
    return QStringLiteral(POMMELOT_TEST_DATA "/wordlist/") + name;
}

QByteArray catDogBytes()
{
    return QByteArray::fromHex("03636174 03646f67");
}

} // namespace

class TestWordList : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString folder() const { return m_dir->path(); }
    QString listFile() const { return folder() + QStringLiteral("/Default.wdl"); }
    std::unique_ptr<WordList> makeList() const
    {
        return std::make_unique<WordList>(QStringLiteral("Default"), QStringLiteral("Words"),
                                          folder());
    }
    std::unique_ptr<WordList> listFrom(const QByteArray& bytes) const
    {
        if (!TestApp::writeFile(listFile(), bytes))
            return nullptr;
        return makeList();
    }
    std::unique_ptr<WordList> listFromFixture(const QString& name) const
    {
        return listFrom(TestApp::readFile(fixture(name)));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { m_dir.reset(); }

    void applicationListsLiveInTheDataFolder()
    {
        CPommelotApp* app = AfxGetApp();
        QVERIFY(app->m_pWordList);
        QVERIFY(app->m_pBirdWordList);
        QCOMPARE(app->m_pWordList->GetFilePath(), app->GetDataFolder() + "/Default.wdl");
        QCOMPARE(app->m_pWordList->GetFolder(), QStringLiteral("Words"));
        QCOMPARE(app->m_pBirdWordList->GetFilePath(), app->GetDataFolder() + "/Bird.wdl");
        QCOMPARE(app->m_pBirdWordList->GetFolder(), QStringLiteral("Bird"));

        // Without a folder given, a list takes the application's data folder.
        TestApp::writeFile(app->GetDataFolder() + "/Probe.wdl", catDogBytes());
        WordList probe(QStringLiteral("Probe"), QStringLiteral("Words"));
        QCOMPARE(probe.words(), (QStringList{"cat", "dog"}));
        QCOMPARE(probe.GetSoundPath(1), app->GetDataFolder() + "/Words/dog.wav");
        QFile::remove(app->GetDataFolder() + "/Probe.wdl");
    }

    void missingFileGivesEmptyList()
    {
        {
            auto list = makeList();
            QCOMPARE(list->GetCount(), 0);
            QCOMPARE(list->GetWordText(0), kEmpty);
            QCOMPARE(list->GetSoundPath(0), QString());
            QCOMPARE(list->GetWord(0), QString());
            QVERIFY(!list->isModified());
        }
        // An unchanged list writes nothing when it goes.
        QVERIFY(!QFileInfo::exists(listFile()));
    }

    void loadsFixtures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("cat dog") << "catdog.wdl" << QStringList{"cat", "dog"};
        QTest::newRow("empty, accented and utf-16 words")
            << "mixed.wdl"
            << QStringList{"cat", "", QString::fromUtf8("bébé"), QString::fromUtf8("αβ"), "dog"};
        QTest::newRow("cut off last word") << "truncated.wdl" << QStringList{"cat", "dog"};
    }
    void loadsFixtures()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, words);
        auto list = listFromFixture(file);
        QVERIFY(list);
        QCOMPARE(list->words(), words);
        QCOMPARE(list->GetCount(), words.size());
        QVERIFY(!list->isModified());
    }

    void loadsAWholeLongFile()
    {
        // 300 words, well past 40 words and past 4 KB, with a 300-letter word (three-byte
        // length prefix) lying across the 4096th byte: every word comes back, in file order.
        QByteArray bytes;
        QStringList words;
        for (int i = 0; i < 300; ++i) {
            QString w =
                QStringLiteral("word%1-%2-pommelot").arg(i, 3, 10, QLatin1Char('0')).arg(i % 7);
            if (bytes.size() > 4000 && bytes.size() < 4096 &&
                !words.contains(QString(300, QLatin1Char('q'))))
                w = QString(300, QLatin1Char('q'));
            const QByteArray latin = w.toLatin1();
            if (latin.size() < 255)
                bytes += char(latin.size());
            else
                bytes += QByteArray::fromHex("ff2c01");
            bytes += latin;
            words << w;
        }
        QVERIFY(bytes.size() > 4096 + 300);
        QVERIFY(words.contains(QString(300, QLatin1Char('q'))));
        auto list = listFrom(bytes);
        QVERIFY(list);
        QCOMPARE(list->GetCount(), 300);
        QCOMPARE(list->words(), words);
        QCOMPARE(list->GetWordText(299), QStringLiteral("word299-5-pommelot"));
    }

    void editsAndBadIndexes()
    {
        auto list = listFrom(catDogBytes());
        QVERIFY(list);

        list->AddWord(static_cast<const QString*>(nullptr));
        list->InsertWordAfter(-1, "x");
        list->InsertWordAfter(2, "x");
        list->RemoveWord(-1);
        list->RemoveWord(2);
        QCOMPARE(list->words(), (QStringList{"cat", "dog"}));
        QVERIFY(!list->isModified());

        list->InsertWordAfter(0, "cow");
        QCOMPARE(list->words(), (QStringList{"cat", "cow", "dog"}));
        QVERIFY(list->isModified());
        list->InsertWordAfter(2, "eel");
        list->AddWord("fox");
        list->AddWord("cat"); // duplicates are the page's business, not the list's
        QCOMPARE(list->words(), (QStringList{"cat", "cow", "dog", "eel", "fox", "cat"}));
        list->RemoveWord(0);
        list->RemoveWord(4);
        QCOMPARE(list->words(), (QStringList{"cow", "dog", "eel", "fox"}));
    }

    void findWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << "dog" << 1;
        QTest::newRow("capitals find lower case") << "CAT" << 0;
        QTest::newRow("mixed case") << "dOg" << 1;
        QTest::newRow("first of two equal words") << "Cat" << 0;
        // Every letter folds, not only A..Z: in these words an accented capital is the same
        // letter as its small form.
        QTest::newRow("accented capitals") << QString::fromUtf8("BÉBÉ") << 3;
        QTest::newRow("accented word as stored") << QString::fromUtf8("bébé") << 3;
        QTest::newRow("ascii letters fold around accents") << QString::fromUtf8("BéBé") << 3;
        QTest::newRow("greek capitals") << QString::fromUtf8("ΑΒ") << 5;
        QTest::newRow("umlaut") << QString::fromUtf8("ÄPFEL") << 7;
        QTest::newRow("decomposed accent is the composed one")
            << (QStringLiteral("E") + QChar(0x0301) + QStringLiteral("VA")) << 8;
        QTest::newRow("polish capital") << QString::fromUtf8("ŻABA") << 9;
        QTest::newRow("another accent is another letter") << QString::fromUtf8("bèbè") << -1;
        QTest::newRow("prefix only") << "ca" << -1;
        QTest::newRow("longer") << "cats" << -1;
        QTest::newRow("empty word") << "" << 2;
        QTest::newRow("punctuation is not a letter") << "[" << -1;
    }
    void findWord()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"), folder());
        for (const char* w : {"cat", "dog", "", "bébé", "cAT", "αβ", "{", "äpfel", "éva", "żaba"})
            list.AddWord(QString::fromUtf8(w));
        QCOMPARE(list.FindWord(text), index);
    }

    void wordTextAndSoundPath()
    {
        auto list = listFrom(QByteArray::fromHex("03636174 00 03446f67"));
        QVERIFY(list);
        const QString sounds = folder() + "/Words/";
        QCOMPARE(list->GetWordText(0), QStringLiteral("cat"));
        QCOMPARE(list->GetWordText(1), kEmpty);
        QCOMPARE(list->GetWordText(2), QStringLiteral("Dog"));
        QCOMPARE(list->GetWordText(3), kEmpty);
        QCOMPARE(list->GetWordText(-1), kEmpty);
        QCOMPARE(list->GetSoundPath(0), sounds + "cat.wav");
        QCOMPARE(list->GetSoundPath(1), sounds + ".wav");
        QCOMPARE(list->GetSoundPath(2), sounds + "Dog.wav");
        QCOMPARE(list->GetSoundPath(3), QString());
        QCOMPARE(list->GetSoundPath(-1), QString());
    }

    void unsafeWordsHaveNoSoundPath_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("safe");
        QTest::newRow("parent folder") << ".." << false;
        QTest::newRow("this folder") << "." << false;
        QTest::newRow("climbs out") << "../../etc/passwd" << false;
        QTest::newRow("sub folder") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("nul") << QString::fromUtf8("a\0b", 3) << false;
        QTest::newRow("three dots") << "..." << true;
        QTest::newRow("hidden name") << ".cat" << true;
        QTest::newRow("spaces and accents") << QString::fromUtf8("petit chat é") << true;
        QTest::newRow("greek") << QString::fromUtf8("γάτα") << true;
    }
    void unsafeWordsHaveNoSoundPath()
    {
        QFETCH(QString, word);
        QFETCH(bool, safe);
        QCOMPARE(WordList::isSafeFileName(word), safe);
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"), folder());
        list.AddWord("cat");
        list.AddWord(word);
        list.AddWord("dog");
        // The word keeps its place and its text either way.
        QCOMPARE(list.GetWord(1), word);
        QCOMPARE(list.GetWordText(1), word);
        QCOMPARE(list.GetSoundPath(2), folder() + "/Words/dog.wav");
        if (safe)
            QCOMPARE(list.GetSoundPath(1), folder() + "/Words/" + word + ".wav");
        else
            QCOMPARE(list.GetSoundPath(1), QString());
    }

    void saveWritesTheFormat()
    {
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"), folder());
        list.AddWord("cat");
        list.AddWord("dog");
        QVERIFY(list.Save());
        QCOMPARE(TestApp::readFile(listFile()), catDogBytes());
        // Saving leaves the flag alone: the list is written again when it goes.
        QVERIFY(list.isModified());

        list.RemoveWord(0);
        list.RemoveWord(0);
        QVERIFY(list.Save());
        QVERIFY(QFileInfo::exists(listFile()));
        QCOMPARE(QFileInfo(listFile()).size(), 0);
    }

    void saveAndLoadAgree()
    {
        const QStringList words{"cat",
                                "",
                                QString::fromUtf8("Straße"),
                                QString::fromUtf8("中文"),
                                QString(300, QLatin1Char('z')),
                                "dog"};
        {
            WordList list(QStringLiteral("Default"), QStringLiteral("Words"), folder());
            for (const QString& w : words)
                list.AddWord(w);
            QVERIFY(list.Save());
        }
        QCOMPARE(makeList()->words(), words);
    }

    void failedSaveKeepsTheTarget()
    {
        // A directory stands where the list file should be.
        QVERIFY(QDir(folder()).mkpath("Default.wdl/inner"));
        auto list = makeList();
        QCOMPARE(list->GetCount(), 0);
        list->AddWord("cat");
        QVERIFY(!list->Save());
        QVERIFY(QFileInfo(listFile()).isDir());
        QVERIFY(QFileInfo::exists(listFile() + "/inner"));
        QCOMPARE(list->words(), QStringList{"cat"});
        // No temporary file is left beside it.
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A write that stops part way (here: a file size limit, as a full disk would) keeps the
    // old list file whole.
    void interruptedSaveKeepsOldFile()
    {
        QVERIFY(TestApp::writeFile(listFile(), catDogBytes()));
        auto list = makeList();
        list->AddWord(QString(300, QLatin1Char('w')));

        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 64;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved = list->Save();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved);
        QCOMPARE(TestApp::readFile(listFile()), catDogBytes());
        QCOMPARE(list->GetCount(), 3);
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Default.wdl"});
        // With room again, the same list saves.
        QVERIFY(list->Save());
        QCOMPARE(TestApp::readFile(listFile()).size(), 8 + 303);
    }

    void saveIntoMissingFolderFails()
    {
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"),
                      folder() + "/no/such/folder");
        list.AddWord("cat");
        QVERIFY(!list.Save());
        QVERIFY(!QFileInfo::exists(folder() + "/no"));
        QCOMPARE(list.words(), QStringList{"cat"});
    }

    void saveIntoReadOnlyFolderKeepsOldFile()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const QString sub = folder() + "/ro";
        QVERIFY(TestApp::writeFile(sub + "/Default.wdl", catDogBytes()));
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"), sub);
        list.AddWord("eel");
        // The file is read-only too (a writable one is rewritten in place: see tst_listfile).
        QVERIFY(QFile::setPermissions(sub + "/Default.wdl", QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));
        const bool saved = list.Save();
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(TestApp::readFile(sub + "/Default.wdl"), catDogBytes());
    }

    void changedListIsWrittenWhenDestroyed_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("added") << 0 << QByteArray::fromHex("03636174 03646f67 03656c6b");
        QTest::newRow("inserted") << 1 << QByteArray::fromHex("03636174 03656c6b 03646f67");
        QTest::newRow("removed") << 2 << QByteArray::fromHex("03646f67");
    }
    void changedListIsWrittenWhenDestroyed()
    {
        QFETCH(int, edit);
        QFETCH(QByteArray, bytes);
        auto list = listFrom(catDogBytes());
        QVERIFY(list);
        if (edit == 0)
            list->AddWord("elk");
        else if (edit == 1)
            list->InsertWordAfter(0, "elk");
        else
            list->RemoveWord(0);
        list.reset();
        QCOMPARE(TestApp::readFile(listFile()), bytes);
    }

    void unchangedListIsNotWritten()
    {
        // Trailing damage would vanish if the list were written back.
        const QByteArray bytes = catDogBytes() + QByteArray::fromHex("0962");
        QVERIFY(TestApp::writeFile(listFile(), bytes));
        const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-3);
        {
            QFile f(listFile());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(past, QFileDevice::FileModificationTime));
        }
        {
            auto list = makeList();
            QCOMPARE(list->words(), (QStringList{"cat", "dog"}));
            list->AddWord(static_cast<const QString*>(nullptr));
            list->RemoveWord(7);
            list->GetWordText(0);
            list->GetSoundPath(0);
            list->FindWord("dog");
        }
        QCOMPARE(TestApp::readFile(listFile()), bytes);
        QCOMPARE(QFileInfo(listFile()).lastModified().toUTC().toSecsSinceEpoch(),
                 past.toSecsSinceEpoch());
    }

    void nextWordInOrder()
    {
        QList<int> walk;
        int cur = 0;
        for (int i = 0; i < 5; ++i)
            walk << (cur = NextWordIndex(cur, 3, false));
        QCOMPARE(walk, (QList<int>{1, 2, 0, 1, 2}));

        cur = 0;
        for (int i = 0; i < 4; ++i)
            QCOMPARE(cur = NextWordIndex(cur, 1, false), 0);
        QCOMPARE(NextWordIndex(0, 0, false), 0);
        QCOMPARE(NextWordIndex(5, 0, false), 0);
        // The list shrank under the current index.
        QCOMPARE(NextWordIndex(7, 3, false), 0);
        QCOMPARE(NextWordIndex(-3, 3, false), 0);
    }

    void randomPickFormula_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::newRow("r 0") << 0 << 10 << 0;
        QTest::newRow("r 1") << 1 << 10 << 0;
        QTest::newRow("r max") << 32767 << 10 << 9;
        QTest::newRow("r middle") << 16384 << 10 << 4;
        QTest::newRow("r max, one word") << 32767 << 1 << 0;
        QTest::newRow("r max, two words") << 32767 << 2 << 1;
        QTest::newRow("empty list") << 20000 << 0 << 0;
        // Here the product reaches -1; the pick stays on the first word.
        QTest::newRow("r 0, 32767 words") << 0 << 32767 << 0;
        QTest::newRow("r 0, 100000 words") << 0 << 100000 << 0;
        QTest::newRow("r max, 100000 words") << 32767 << 100000 << 99996;
        QTest::newRow("r beyond the range") << 70000 << 10 << 9;
    }
    void randomPickFormula()
    {
        QFETCH(int, r);
        QFETCH(int, count);
        QFETCH(int, index);
        QCOMPARE(RandomWordIndex(r, count), index);
    }

    void randomPickStaysInRange()
    {
        std::srand(12345);
        for (const int count : {1, 2, 3, 10, 32767, 32768, 100000}) {
            std::set<int> seen;
            for (int i = 0; i < 20000; ++i) {
                const int index = NextWordIndex(i % 5, count, true);
                QVERIFY2(index >= 0 && index < count, qPrintable(QString::number(index)));
                seen.insert(index);
            }
            // Every word of a short list comes up.
            if (count <= 10)
                QCOMPARE(int(seen.size()), count);
        }
    }

    void pickFollowsTheRandomizeFlag()
    {
        WordList list(QStringLiteral("Default"), QStringLiteral("Words"), folder());
        for (const char* w : {"a", "b", "c"})
            list.AddWord(QString::fromLatin1(w));

        QCOMPARE(NextWordIndex(0, &list, false), 1);
        QCOMPARE(NextWordIndex(2, &list, false), 0);
        QCOMPARE(NextWordIndex(0, static_cast<const WordList*>(nullptr), false), 0);

        std::srand(7);
        std::set<int> seen;
        for (int i = 0; i < 300; ++i)
            seen.insert(NextWordIndex(0, &list, true));
        QCOMPARE(seen, (std::set<int>{0, 1, 2}));
    }

    void applicationWritesChangedListsAtExit()
    {
        CPommelotApp* app = AfxGetApp();
        const QString words = app->GetDataFolder() + "/Default.wdl";
        const QString bird = app->GetDataFolder() + "/Bird.wdl";
        QVERIFY(!QFileInfo::exists(words));
        QVERIFY(!QFileInfo::exists(bird));
        app->m_pWordList->AddWord("cat");
        app->m_pWordList->AddWord("dog");
        app->ExitInstance();
        QCOMPARE(app->m_pWordList, nullptr);
        QCOMPARE(app->m_pBirdWordList, nullptr);
        QCOMPARE(TestApp::readFile(words), catDogBytes());
        QVERIFY(!QFileInfo::exists(bird));

        app->m_pWordList = new WordList(QStringLiteral("Default"), QStringLiteral("Words"));
        app->m_pBirdWordList = new WordList(QStringLiteral("Bird"), QStringLiteral("Bird"));
        QCOMPARE(app->m_pWordList->words(), (QStringList{"cat", "dog"}));
    }
};

POMMELOT_TEST_MAIN(TestWordList)
#include "tst_wordlist.moc"
