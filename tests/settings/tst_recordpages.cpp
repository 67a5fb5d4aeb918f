#include "activities/Activity.h"
#include "activities/Vocabulary.h"
#include "common/TestApp.h"
#include "components/QPictureButton.h"
#include "settings/RecordColorsPropPg.h"
#include "settings/RecordLettersPropPg.h"
#include "settings/RecordMathPropPg.h"
#include "settings/RecordNumbersPropPg.h"
#include "settings/RecordShapesPropPg.h"
#include "settings/SpinButton.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QtMath>
#include <memory>
#include <sndfile.h>

namespace {
enum PageKind
{
    Letters,
    Numbers,
    Colors,
    Shapes,
    Math
};

std::unique_ptr<CMyPropertyPage> makePage(int kind)
{
    switch (kind) {
    case Letters:
        return std::make_unique<CRecordLettersPropPg>();
    case Numbers:
        return std::make_unique<CRecordNumbersPropPg>();
    case Colors:
        return std::make_unique<CRecordColorsPropPg>();
    case Shapes:
        return std::make_unique<CRecordShapesPropPg>();
    default:
        return std::make_unique<CRecordMathPropPg>();
    }
}

int labelIdOf(int kind)
{
    return kind == Colors ? 1021 : kind == Shapes ? 1022 : 1023;
}

// A play mode with nothing of its own, to ask the cue helpers which file they would play.
class CueProbe : public Activity
{
public:
    void Reset() override {}
    void Advance() override {}
    void Draw(CPommelotView*, QPainter*, bool) override {}
    QString cuePath(int kind, int index)
    {
        switch (kind) {
        case Letters:
            PlayLetterCue(QChar('A' + index), 0);
            break;
        case Numbers:
            PlayNumberCue(index + 1, 0);
            break;
        case Colors:
            PlayColorCue(index, 0);
            break;
        case Shapes:
            PlayShapeCue(index, 0);
            break;
        default:
            PlayMathCue(QStringList{"plus", "minus", "equals"}.at(index), 0);
            break;
        }
        const auto cues = takeRequestedCues();
        return cues.empty() ? QString() : cues.front().path;
    }
};

QString labelText(CMyPropertyPage* page, int kind)
{
    auto* label = page->control<QLabel>(labelIdOf(kind));
    return label ? label->text() : QStringLiteral("<no label>");
}

} // namespace

class TestRecordPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The recorder reads this file through SDL's disk driver as its microphone.
        m_input = TestApp::programFolder() + QStringLiteral("/mic-in.raw");
        QVERIFY(TestApp::writeFile(m_input, TestApp::toneS16(6.0, 12000)));
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(m_input));
    }

    void controls_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("letters") << int(Letters) << "Letters";
        QTest::newRow("numbers") << int(Numbers) << "Numbers";
        QTest::newRow("colors") << int(Colors) << "Colors";
        QTest::newRow("shapes") << int(Shapes) << "Shapes";
        QTest::newRow("math") << int(Math) << "Math";
    }
    void controls()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        auto page = makePage(kind);
        QCOMPARE(page->caption(), caption);
        // Before the page is first shown its label holds the template's placeholder.
        QCOMPARE(labelText(page.get(), kind), QStringLiteral("Static"));
        QVERIFY(page->control<CSpinButton>(1019));
        auto* play = page->control<QPictureButton>(1007);
        auto* record = page->control<QPictureButton>(1009);
        QVERIFY(play && record);
        QCOMPARE(play->pictureText(), QStringLiteral("PLAY\nPlay Sound"));
        QCOMPARE(record->pictureText(), QStringLiteral("RECORD\nRecord Sound"));
        auto* stop = page->control<QPictureButton>(1010);
        if (kind == Colors) {
            QVERIFY(stop);
            QCOMPARE(stop->pictureText(), QStringLiteral("RECORD\nRecord Sound"));
        } else {
            QVERIFY(!stop);
        }
        auto* group = page->findChild<QGroupBox*>();
        QVERIFY(group);
        QCOMPARE(group->title(), QStringLiteral("Audio"));
        bool prompt = false;
        for (QLabel* l : page->findChildren<QLabel*>())
            prompt = prompt || l->text() == QStringLiteral("&Recording sound for:");
        QVERIFY(prompt);

        page->show();
        page->ensureInitialized();
        QCOMPARE(play->toolTip(), QStringLiteral("Play Sound"));
        QCOMPARE(record->toolTip(), QStringLiteral("Record Sound"));
        if (stop)
            QVERIFY(!stop->isVisible());
        QCOMPARE(page->control<CSpinButton>(1019)->maximum(), page->GetItemCount() - 1);
        QCOMPARE(page->control<CSpinButton>(1019)->pos(), 0);
    }

    // Every item of every page, in spinner order: the label and the file the play modes play.
    void itemsAndPaths_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("items");
        QStringList letters;
        for (char c = 'A'; c <= 'Z'; ++c)
            letters << QString(QChar(c));
        QStringList numbers;
        for (int n = 1; n <= 10; ++n)
            numbers << QString::number(n);
        QTest::newRow("letters") << int(Letters) << letters;
        QTest::newRow("numbers") << int(Numbers) << numbers;
        QTest::newRow("colors") << int(Colors)
                                << QStringList{"Red",    "Orange", "Yellow", "Green", "Blue",
                                               "Indigo", "Violet", "White",  "Black"};
        QTest::newRow("shapes") << int(Shapes)
                                << QStringList{"Circle",  "Square",   "Triangle", "Rectangle",
                                               "Diamond", "Pentagon", "Hexagon",  "Octagon",
                                               "Star",    "Trapezoid"};
        QTest::newRow("math") << int(Math) << QStringList{"plus", "minus", "equals"};
    }
    void itemsAndPaths()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, items);
        auto page = makePage(kind);
        page->ensureInitialized();
        QCOMPARE(page->GetItemCount(), items.size());
        auto* spin = page->control<CSpinButton>(1019);
        CueProbe probe;
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(labelText(page.get(), kind), items.at(i));
            QCOMPARE(spin->pos(), i);
            QCOMPARE(page->GetItemSoundPath(), probe.cuePath(kind, i));
            QVERIFY(page->GetItemSoundPath().startsWith(TestApp::programFolder() + '/'));
            spin->step(1);
        }
        // Stepping on from the last item comes back to the first.
        QCOMPARE(labelText(page.get(), kind), items.first());
        QCOMPARE(spin->pos(), 0);
        // And back from the first to the last.
        spin->step(-1);
        QCOMPARE(labelText(page.get(), kind), items.last());
        QCOMPARE(spin->pos(), items.size() - 1);
    }

    void wrapIndex_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::newRow("back from first") << 0 << -1 << 26 << 25;
        QTest::newRow("on from last") << 9 << 1 << 10 << 0;
        QTest::newRow("middle") << 1 << 1 << 3 << 2;
        QTest::newRow("one item back") << 0 << -1 << 1 << 0;
        QTest::newRow("one item on") << 0 << 1 << 1 << 0;
        QTest::newRow("far back") << 0 << -7 << 3 << 2;
        QTest::newRow("no items") << 0 << 1 << 0 << 0;
    }
    void wrapIndex()
    {
        QFETCH(int, pos);
        QFETCH(int, delta);
        QFETCH(int, count);
        QFETCH(int, index);
        QCOMPARE(CMyPropertyPage::wrapIndex(pos, delta, count), index);
    }

    void spinnerReportsBeforeMoving()
    {
        CSpinButton spin;
        spin.setRange(0, 2);
        QSignalSpy delta(&spin, &CSpinButton::deltaPos);
        QSignalSpy moved(&spin, &CSpinButton::posChanged);
        spin.step(-1);
        QCOMPARE(delta.count(), 1);
        QCOMPARE(delta.at(0).at(0).toInt(), 0);
        QCOMPARE(delta.at(0).at(1).toInt(), -1);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(spin.pos(), 2);
        QTest::keyClick(&spin, Qt::Key_Right);
        QCOMPARE(spin.pos(), 0);
        QCOMPARE(delta.at(1).at(1).toInt(), 1);
        spin.setEnabled(false);
        spin.step(1);
        QCOMPARE(delta.count(), 2);
    }

    void playFollowsTheFile()
    {
        CRecordNumbersPropPg page;
        page.ensureInitialized();
        auto* play = page.control<QPictureButton>(1007);
        auto* record = page.control<QPictureButton>(1009);
        const QString one = page.GetItemSoundPath();
        QFile::remove(one);
        page.UpdateData(false);
        QVERIFY(!play->isEnabled());
        QVERIFY(record->isEnabled());

        QVERIFY(TestApp::writeWav(one, 4410));
        page.UpdateData(false);
        QVERIFY(play->isEnabled());
        // Item 2 has no file; coming back to 1 finds it again.
        page.control<CSpinButton>(1019)->step(1);
        QVERIFY(!play->isEnabled());
        page.control<CSpinButton>(1019)->step(-1);
        QVERIFY(play->isEnabled());

        // Playing: both buttons wait for the player to finish.
        page.OnPlay();
        QVERIFY(page.isPlaying());
        QVERIFY(!play->isEnabled());
        QVERIFY(!record->isEnabled());
        QTRY_VERIFY(!page.isPlaying());
        QVERIFY(play->isEnabled());
        QVERIFY(record->isEnabled());
        QFile::remove(one);
    }

    void missingFolderLeavesPlayOff()
    {
        CRecordMathPropPg page;
        page.ensureInitialized();
        const QString folder = TestApp::programFolder() + QStringLiteral("/Math");
        QVERIFY(QDir(folder).removeRecursively());
        for (int i = 0; i < 3; ++i) {
            page.SetCurrentItem(i);
            QVERIFY(!page.control<QWidget>(1007)->isEnabled());
            QVERIFY(page.control<QWidget>(1009)->isEnabled());
            QVERIFY(page.GetItemSoundPath().startsWith(folder + '/'));
        }
        QVERIFY(QDir().mkpath(folder));
    }

    // Record writes the shown item's file from the input; Play and Record stay off until the
    // end of the recording arrives as event 3246.
    void recordCycle()
    {
        CRecordColorsPropPg page;
        page.show();
        page.ensureInitialized();
        page.control<CSpinButton>(1019)->step(1); // Orange
        const QString path = page.GetItemSoundPath();
        QVERIFY(path.endsWith(QStringLiteral("/Colors/Orange.wav")));
        // An older recording is replaced.
        QVERIFY(TestApp::writeWav(path, 100, 5));
        page.UpdateData(false);
        auto* play = page.control<QWidget>(1007);
        auto* record = page.control<QWidget>(1009);
        auto* status = page.findChild<QLabel*>(QStringLiteral("recordStatus"));
        QVERIFY(play->isEnabled());

        page.OnRecord();
        QVERIFY(page.isRecording());
        QVERIFY(!play->isEnabled());
        QVERIFY(!record->isEnabled());
        QVERIFY(status->isVisible());
        QVERIFY2(status->text().contains(QStringLiteral("Orange")), qPrintable(status->text()));
        QVERIFY(page.findChild<QProgressBar*>(QStringLiteral("inputLevel"))->isVisible());
        // Moving on during the recording keeps Play off and the recording on its file.
        page.control<CSpinButton>(1019)->step(1); // Yellow
        QVERIFY(!play->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(!page.isRecording(), 20000);
        QVERIFY2(status->isHidden(), qPrintable(status->text()));
        QVERIFY(record->isEnabled());
        SF_INFO info{};
        SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY(f);
        QVector<short> samples(int(info.frames) * info.channels);
        sf_readf_short(f, samples.data(), info.frames);
        sf_close(f);
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.samplerate, 44100);
        QVERIFY2(info.frames > 44100, qPrintable(QString::number(info.frames)));
        int peak = 0;
        for (short s : samples)
            peak = qMax(peak, qAbs(int(s)));
        QVERIFY2(peak > 6000, qPrintable(QString::number(peak)));
        // Yellow is shown and has no file.
        QVERIFY(!play->isEnabled());
        page.control<CSpinButton>(1019)->step(-1);
        QVERIFY(play->isEnabled());
        QFile::remove(path);
    }

    void failedRecordingSaysSo()
    {
        // A file where the Letters folder should be: nothing can be written below it.
        const QString folder = TestApp::programFolder() + QStringLiteral("/Letters");
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(TestApp::writeFile(folder, "not a folder"));
        CRecordLettersPropPg page;
        page.show();
        page.ensureInitialized();
        page.OnRecord();
        QVERIFY(page.isRecording());
        QTRY_VERIFY_WITH_TIMEOUT(!page.isRecording(), 20000);
        auto* status = page.findChild<QLabel*>(QStringLiteral("recordStatus"));
        QVERIFY(status->isVisible());
        QVERIFY2(status->text().contains(QStringLiteral("\u201cA\u201d was not recorded")),
                 qPrintable(status->text()));
        QVERIFY(!status->text().contains('\n'));
        QVERIFY(page.control<QWidget>(1009)->isEnabled());
        QVERIFY(!page.control<QWidget>(1007)->isEnabled());
        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().mkpath(folder));
    }

    void strayRecordEndIsIgnored()
    {
        CRecordShapesPropPg page;
        page.show();
        page.ensureInitialized();
        QCoreApplication::postEvent(&page, new RecordDoneEvent(false, QStringLiteral("late")));
        QCoreApplication::processEvents();
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("recordStatus"))->isHidden());
    }

private:
    QString m_input;
};

POMMELOT_TEST_MAIN(TestRecordPages)
#include "tst_recordpages.moc"
