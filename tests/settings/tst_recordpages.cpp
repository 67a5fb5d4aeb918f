#include "activities/Activity.h"
#include "base/Vocabulary.h"
#include "common/TestApp.h"
#include "settings/RecordItemsPropPg.h"
#include "settings/SettingsPropSheet.h"
#include "widgets/QPictureButton.h"
#include "widgets/SpinButton.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
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
        return std::make_unique<CRecordItemsPropPg>(CRecordItemsPropPg::letters());
    case Numbers:
        return std::make_unique<CRecordItemsPropPg>(CRecordItemsPropPg::numbers());
    case Colors:
        return std::make_unique<CRecordItemsPropPg>(CRecordItemsPropPg::colors());
    case Shapes:
        return std::make_unique<CRecordItemsPropPg>(CRecordItemsPropPg::shapes());
    default:
        return std::make_unique<CRecordItemsPropPg>(CRecordItemsPropPg::math());
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
    CueProbe() : Activity(AfxGetApp()->m_settings) {}
    void Reset() override {}
    void Advance() override {}
    void Draw(PlaySurface*, QPainter*, bool) override {}
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

    // A page records into the folder its data names, whatever its caption says (a caption
    // shown in another language moves no recording).
    void folderComesFromThePageData()
    {
        CRecordItemsPropPg::PageData data = CRecordItemsPropPg::colors();
        data.caption = QStringLiteral("Farben");
        CRecordItemsPropPg page(data);
        page.ensureInitialized();
        QCOMPARE(page.caption(), QStringLiteral("Farben"));
        QCOMPARE(page.folder(), QStringLiteral("Colors"));
        QCOMPARE(page.GetItemSoundPath(), TestApp::programFolder() + "/Colors/Red.wav");
        page.control<CSpinButton>(1019)->step(4);
        QCOMPARE(page.GetItemSoundPath(), TestApp::programFolder() + "/Colors/Blue.wav");
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
        CRecordItemsPropPg page(CRecordItemsPropPg::numbers());
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
        CRecordItemsPropPg page(CRecordItemsPropPg::math());
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
        CRecordItemsPropPg page(CRecordItemsPropPg::colors());
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

        QTRY_VERIFY_WITH_TIMEOUT(!page.isRecording(), 20000);
        QVERIFY2(status->isHidden(), qPrintable(status->text()));
        QVERIFY(record->isEnabled());
        QVERIFY(play->isEnabled());
        SF_INFO info{};
        SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY(f);
        QVector<short> samples(int(info.frames) * info.channels);
        sf_readf_short(f, samples.data(), info.frames);
        sf_close(f);
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.samplerate, 44100);
        // The whole two seconds of tone, less the first samples under the silence threshold.
        QVERIFY2(info.frames > 88200 - 20 && info.frames <= 88200,
                 qPrintable(QString::number(info.frames)));
        int peak = 0;
        for (short s : samples)
            peak = qMax(peak, qAbs(int(s)));
        QCOMPARE(peak, 29204);
        QFile::remove(path);
    }

    // Moving to another item during a recording ends it unsaved: the item keeps its file,
    // and label and status never name two different items.
    void movingOnThrowsTheTakeAway()
    {
        qputenv("SDL_DISKAUDIODELAY", "40");
        CRecordItemsPropPg page(CRecordItemsPropPg::colors());
        page.show();
        page.ensureInitialized();
        page.control<CSpinButton>(1019)->step(1); // Orange
        const QString path = page.GetItemSoundPath();
        QVERIFY(TestApp::writeWav(path, 100, 5));
        const QByteArray old = TestApp::readFile(path);
        auto* status = page.findChild<QLabel*>(QStringLiteral("recordStatus"));
        QSignalSpy progress(&page.m_audio, &CAudioManager::recordProgress);
        page.OnRecord();
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 20000);
        page.control<CSpinButton>(1019)->step(1); // Yellow
        QVERIFY(!page.isRecording());
        QCOMPARE(labelText(&page, Colors), QStringLiteral("Yellow"));
        QVERIFY(!status->text().contains(QStringLiteral("Orange")));
        QVERIFY(status->text().contains(QStringLiteral("stopped")));
        QVERIFY(page.control<QWidget>(1009)->isEnabled());
        QTest::qWait(200);
        QCOMPARE(TestApp::readFile(path), old);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Orange.wav"});
        QFile::remove(path);
        qputenv("SDL_DISKAUDIODELAY", "0");
    }

    // However the sheet is left during a recording, the unfinished take is thrown away and the
    // old recording stays byte for byte.
    void sheetNeverLosesARecording_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("ok") << 0;
        QTest::newRow("cancel") << 1;
        QTest::newRow("apply") << 2;
        QTest::newRow("close") << 3;
        QTest::newRow("other page") << 4;
        QTest::newRow("sheet destroyed") << 5;
    }
    void sheetNeverLosesARecording()
    {
        QFETCH(int, how);
        qputenv("SDL_DISKAUDIODELAY", "40");
        const QString path = TestApp::programFolder() + QStringLiteral("/Letters/A.wav");
        QVERIFY(TestApp::writeWav(path, 300, 99));
        const QByteArray old = TestApp::readFile(path);
        {
            CSettingsPropSheet sheet(QStringLiteral("Settings"));
            sheet.show();
            QVERIFY(sheet.SetActivePage(1));
            CMyPropertyPage* page = sheet.m_pLettersPage;
            QCOMPARE(page->GetItemSoundPath(), path);
            QSignalSpy progress(&page->m_audio, &CAudioManager::recordProgress);
            page->OnRecord();
            QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 20000);
            QVERIFY(page->isRecording());
            switch (how) {
            case 0:
                sheet.button(1)->click();
                break;
            case 1:
                sheet.button(2)->click();
                break;
            case 2:
                sheet.button(0x3021)->click();
                break;
            case 3:
                sheet.close();
                break;
            case 4:
                sheet.SetActivePage(2);
                break;
            default:
                break;
            }
            if (how != 5)
                QVERIFY(!page->isRecording());
        }
        QTest::qWait(200);
        QCOMPARE(TestApp::readFile(path), old);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"A.wav"});
        qputenv("SDL_DISKAUDIODELAY", "0");
    }

    // A take of silence is refused in one line on the page, and the old file stays.
    void silentTakeIsRefusedOnThePage()
    {
        const QString silent = TestApp::programFolder() + QStringLiteral("/mic-silent.raw");
        QVERIFY(TestApp::writeFile(silent, QByteArray(4 * 44100, '\0')));
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(silent));
        CRecordItemsPropPg page(CRecordItemsPropPg::numbers());
        page.show();
        page.ensureInitialized();
        const QString path = page.GetItemSoundPath();
        QVERIFY(TestApp::writeWav(path, 300, 99));
        const QByteArray old = TestApp::readFile(path);
        page.OnRecord();
        QTRY_VERIFY_WITH_TIMEOUT(!page.isRecording(), 20000);
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(m_input));
        auto* status = page.findChild<QLabel*>(QStringLiteral("recordStatus"));
        QVERIFY(status->isVisible());
        QCOMPARE(
            status->text(),
            QStringLiteral("\u201c1\u201d keeps its earlier recording. Only silence was heard."));
        // One line of the page's width.
        QVERIFY(status->fontMetrics().horizontalAdvance(status->text()) <= status->width());
        QCOMPARE(TestApp::readFile(path), old);
        QFile::remove(path);
    }

    void failedRecordingSaysSo()
    {
        // A file where the Letters folder should be: nothing can be written below it.
        const QString folder = TestApp::programFolder() + QStringLiteral("/Letters");
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(TestApp::writeFile(folder, "not a folder"));
        CRecordItemsPropPg page(CRecordItemsPropPg::letters());
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
        CRecordItemsPropPg page(CRecordItemsPropPg::shapes());
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
