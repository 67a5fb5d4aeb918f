#include "activities/TextDrawing.h"
#include "activities/WordsActivity.h"
#include "base/Vocabulary.h"
#include "wordlist/WordList.h"

#include "ActivityProbe.h"

namespace {
WordList* list()
{
    return AfxGetApp()->m_pWordList;
}

void setWords(const QStringList& words)
{
    while (list()->GetCount() > 0)
        list()->RemoveWord(0);
    for (const QString& w : words)
        list()->AddWord(w);
}

QImage expectedWord(CPommelotView& view, const QString& text, int color)
{
    QImage img = PixelProbe::greyImage(view.size());
    QPainter p(&img);
    DrawFittedText(&view, &p, text, color, 0.95, displayFont(AfxGetApp()->m_settings));
    return img;
}
} // namespace

class TestWordsActivity : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        ActivityProbe::resetSettings();
        setWords({QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("sun")});
    }
    void cleanup() { ActivityProbe::resetSettings(); }

    void walksTheListInColour()
    {
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        QCOMPARE(a.m_pList, list());
        auto view = ActivityProbe::makeView(QSize(800, 300));
        const QStringList words{"cat", "dog", "sun", "cat"};
        const QList<QColor> colors{QColor(255, 128, 64), QColor(255, 255, 0), QColor(0, 255, 0),
                                   QColor(0, 0, 255)};
        for (int k = 0; k < words.size(); ++k) {
            if (k > 0)
                a.Advance();
            const QImage img = ActivityProbe::draw(a, *view, true);
            QCOMPARE(ColorToRGB(a.m_nColor), colors.at(k));
            QVERIFY(PixelProbe::count(img, colors.at(k)) > 1000);
            QCOMPARE(img, expectedWord(*view, words.at(k), a.m_nColor));
            QCOMPARE(ActivityProbe::cues(a),
                     QStringList{QStringLiteral("Words/%1.wav@0").arg(words.at(k))});
        }
        a.Reset();
        QCOMPARE(a.m_nWord, 0);
        QCOMPARE(a.m_nColor, 1);
    }

    void cueWaitsForTheSoundDelay()
    {
        AfxGetApp()->m_settings.m_nSoundDelay = 3;
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        auto view = ActivityProbe::makeView(QSize(400, 300));
        ActivityProbe::draw(a, *view, true);
        const std::vector<Activity::Cue> cues = a.takeRequestedCues();
        QCOMPARE(cues.size(), size_t(1));
        QCOMPARE(cues[0].path, list()->GetSoundPath(0));
        QCOMPARE(cues[0].path, TestApp::programFolder() + "/Words/cat.wav");
        QCOMPARE(cues[0].delaySeconds, 3);

        ActivityProbe::draw(a, *view, false);
        QVERIFY(ActivityProbe::cues(a).isEmpty());
    }

    void oneWordListKeepsTheWordAndChangesColour()
    {
        setWords({QStringLiteral("ox")});
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        auto view = ActivityProbe::makeView(QSize(400, 300));
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(a.m_nWord, 0);
            QCOMPARE(a.m_nColor, (1 + k) % 9);
            QCOMPARE(ActivityProbe::draw(a, *view, false),
                     expectedWord(*view, QStringLiteral("ox"), a.m_nColor));
            a.Advance();
        }
    }

    void emptyListShowsItsText()
    {
        setWords({});
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        auto view = ActivityProbe::makeView(QSize(600, 300));
        const QImage img = ActivityProbe::draw(a, *view, true);
        QCOMPARE(img, expectedWord(*view, QStringLiteral("Word list is empty."), 1));
        // Shrunk to the box width.
        const QRect ink = PixelProbe::inkBox(img);
        const CRect box = fittedTextBox(view->size());
        QVERIFY(ink.left() >= box.left && ink.right() < box.right);
        // The cue names no file; the player is handed the empty path as it is.
        QCOMPARE(ActivityProbe::cues(a), QStringList{"@0"});
        a.Advance();
        QCOMPARE(a.m_nWord, 0);
    }

    void listIsReadAtEveryDraw()
    {
        setWords({"a1", "b2", "c3", "d4"});
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        auto view = ActivityProbe::makeView(QSize(400, 300));
        a.Advance();
        a.Advance();
        a.Advance();
        QCOMPARE(a.m_nWord, 3);
        QCOMPARE(ActivityProbe::draw(a, *view, false),
                 expectedWord(*view, QStringLiteral("d4"), a.m_nColor));

        // The parent deletes words: the old index names none.
        list()->RemoveWord(3);
        list()->RemoveWord(2);
        QCOMPARE(ActivityProbe::draw(a, *view, true),
                 expectedWord(*view, QStringLiteral("Word list is empty."), a.m_nColor));
        QCOMPARE(ActivityProbe::cues(a), QStringList{"@0"});
        // The next key goes on from the new list.
        a.Advance();
        QCOMPARE(a.m_nWord, 0);
        QCOMPARE(ActivityProbe::draw(a, *view, false),
                 expectedWord(*view, QStringLiteral("a1"), a.m_nColor));

        // Words added later are seen too.
        list()->InsertWordAfter(0, QStringLiteral("new"));
        a.Advance();
        QCOMPARE(ActivityProbe::draw(a, *view, false),
                 expectedWord(*view, QStringLiteral("new"), a.m_nColor));
    }

    void randomOrderStartsAtTheFirstWord()
    {
        setWords({"w0", "w1", "w2", "w3", "w4", "w5"});
        AfxGetApp()->m_settings.m_bRandomizeWords = true;
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        QCOMPARE(a.m_nWord, 0);
        QSet<int> seen;
        for (int k = 0; k < 300; ++k) {
            a.Advance();
            QVERIFY(a.m_nWord >= 0 && a.m_nWord < 6);
            QCOMPARE(a.m_nColor, (2 + k) % 9);
            seen.insert(a.m_nWord);
        }
        QCOMPARE(seen.size(), 6);
        a.Reset();
        QCOMPARE(a.m_nWord, 0);
    }

    void longestTypedWordFits()
    {
        setWords({QStringLiteral("Wwwwwwwwwwwwwwwwwwww")});
        WordsActivity a(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList);
        auto view = ActivityProbe::makeView(QSize(1000, 400));
        const QImage img = ActivityProbe::draw(a, *view, false);
        const QRect ink = PixelProbe::inkBox(img);
        const CRect box = fittedTextBox(view->size());
        QVERIFY(ink.left() >= box.left && ink.right() < box.right);
        QVERIFY(ink.width() > 0.8 * box.Width());
    }
};

POMMELOT_TEST_MAIN(TestWordsActivity)
#include "tst_wordsactivity.moc"
