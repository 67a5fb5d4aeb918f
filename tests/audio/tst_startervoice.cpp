#include "app/DataFolder.h"
#include "audio/SoundTrim.h"
#include "audio/SpeechVoice.h"
#include "audio/StarterVoice.h"
#include "base/Language.h"
#include "common/TestApp.h"
#include "settings/GeneralPropPg.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <map>
#include <sndfile.h>
#include <vector>

namespace {
struct Wav
{
    SF_INFO info{};
    std::vector<int16_t> samples;
};

Wav readWav(const QString& path)
{
    Wav w;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &w.info);
    if (!f)
        return w;
    w.samples.resize(size_t(w.info.frames) * size_t(w.info.channels));
    sf_readf_short(f, w.samples.data(), w.info.frames);
    sf_close(f);
    return w;
}

// One word in each language, as the starter voice says it.
const std::map<QString, QString> kWords = {
    {"en", "Giraffe"}, {"de", "Kreis"},    {"fr", "Étoile"}, {"es", "Naranja"},
    {"it", "Giallo"},  {"nl", "Driehoek"}, {"pl", "Żółty"},
};

// The references, made before the test starts any thread (a process started from a threaded
// one is not allowed under ThreadSanitizer): each word spoken by the command-line speaker
// with the starter settings and the language's voice, the same cleaned up by the shipped
// starter files' own tools, and spoken by the program's own speaker.
struct Reference
{
    QString cli;
    QString cleaned;
    QString ours;
};
std::map<QString, Reference> g_references;
// "Rot" as the program's speaker says it in German.
QString g_rot;
// The English reference word as an earlier build's tools cleaned it up.
QString g_earlierBuild;

QByteArray quoted(const QString& s)
{
    QByteArray q = s.toUtf8();
    q.replace('\'', "'\\''");
    return '\'' + q + '\'';
}

void makeReferences(const QString& folder)
{
    for (const auto& [code, word] : kWords) {
        const QString voice = QLatin1String(CLanguage::info(code).voice);
        Reference r{folder + "/" + code + "-cli.wav", folder + "/" + code + "-sox.wav",
                    folder + "/" + code + "-ours.wav"};
        const QByteArray command =
            "command -v espeak-ng >/dev/null && command -v sox >/dev/null && espeak-ng -v " +
            quoted(voice) + " -s 130 -p 60 -a 120 -w " + quoted(r.cli) + " -- " + quoted(word) +
            " && sox " + quoted(r.cli) + " -b 16 -e signed-integer " + quoted(r.cleaned) +
            " silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1 && " +
            quoted(QStringLiteral(POMMELOT_BINARY_DIR "/pommelot-speak")) + " " + quoted(voice) +
            " " + quoted(word) + " " + quoted(r.ours);
        if (std::system(command.constData()) == 0)
            g_references[code] = r;
    }
    const QString rot = folder + QStringLiteral("/rot.wav");
    const QByteArray command =
        quoted(QStringLiteral(POMMELOT_BINARY_DIR "/pommelot-speak")) + " de+f4 Rot " + quoted(rot);
    if (std::system(command.constData()) == 0)
        g_rot = rot;
    // The English word cleaned up once more, as an earlier build made it: the tool dithers
    // the last bits anew on every run.
    if (g_references.count(QStringLiteral("en")) != 0) {
        const Reference& r = g_references.at(QStringLiteral("en"));
        const QString again = folder + QStringLiteral("/en-sox-again.wav");
        const QByteArray redo = "sox " + quoted(r.cli) + " -b 16 -e signed-integer " +
                                quoted(again) +
                                " silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1";
        if (std::system(redo.constData()) == 0)
            g_earlierBuild = again;
    }
}

// Every file below folder (but its Starter folder) with its bytes.
std::map<QString, QByteArray> parentsFiles(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(folder + QStringLiteral("/Starter/")))
            files[path] = TestApp::readFile(path);
    }
    return files;
}
} // namespace

class TestStarterVoice : public QObject
{
    Q_OBJECT
    QString m_data;

    QString cue(const QString& folder, const QString& name) const
    {
        return m_data + QLatin1Char('/') + folder + QLatin1Char('/') + name +
               QStringLiteral(".wav");
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_data = TestApp::programFolder();
        CStarterVoice::setFolders(m_data, QString());
    }

    void cleanup()
    {
        CStarterVoice::setEnabled(false);
        CLanguage::instance()->select(QStringLiteral("en"));
        qunsetenv("ESPEAK_DATA_PATH");
    }

    // In every language the program's speaker says a word sample for sample as the
    // command-line speaker does, and trimmed it has the length and level of the shipped
    // starter files' own clean-up.
    void speaksLikeTheCommandLine_data()
    {
        QTest::addColumn<QString>("language");
        for (const auto& entry : kWords)
            QTest::newRow(qPrintable(entry.first)) << entry.first;
    }
    void speaksLikeTheCommandLine()
    {
        QFETCH(QString, language);
        if (g_references.count(language) == 0)
            QSKIP("espeak-ng and sox are needed to make the reference");
        const Reference& r = g_references.at(language);
        const Wav cli = readWav(r.cli);
        const Wav cleaned = readWav(r.cleaned);
        Wav ours = readWav(r.ours);
        QVERIFY(cli.info.frames > 0 && cleaned.info.frames > 0);
        QCOMPARE(ours.info.samplerate, cli.info.samplerate);
        QVERIFY(ours.samples == cli.samples);

        const size_t untrimmed = ours.samples.size();
        SoundTrim::trimSilence(ours.samples, ours.info.samplerate);
        SoundTrim::normalise(ours.samples);
        // The reference is dithered by its tool, so a sample or two either way.
        QVERIFY2(qAbs(qint64(ours.samples.size()) - qint64(cleaned.info.frames)) <= 2,
                 qPrintable(
                     QStringLiteral("%1 vs %2").arg(ours.samples.size()).arg(cleaned.info.frames)));
        QVERIFY(qAbs(SoundTrim::peak(ours.samples) - SoundTrim::peak(cleaned.samples)) <= 2);
        QCOMPARE(SoundTrim::peak(ours.samples), 29204);
        QVERIFY(ours.samples.size() < untrimmed);
    }

    // Making a language gives every item of every mode a sound in that language (letters
    // A to Z and a to z, numbers, colours, shapes, sum words, the words of the lists), in a
    // starter folder of its own; what it made for "Rot" is the speaker's "Rot", trimmed and
    // levelled.
    void makesEveryItemOfALanguage()
    {
        if (g_references.count(QStringLiteral("de")) == 0)
            QSKIP("espeak-ng is needed");
        CStarterVoice::setEnabled(true);
        CLanguage::instance()->select(QStringLiteral("de"));
        CStarterVoice* voice = CStarterVoice::instance();
        QSignalSpy progress(voice, &CStarterVoice::progressChanged);
        const int queued = voice->makeLanguage(
            QStringLiteral("de"), {QStringLiteral("Words|Katze|Katze"),
                                   QString::fromUtf8("Bird|ich kann fliegen|ich kann fliegen")});
        QCOMPARE(queued, 26 + 10 + 9 + 10 + 3 + 2);
        QVERIFY(voice->waitForIdle(240000));
        const CStarterVoice::Progress p = voice->progress();
        QCOMPARE(p.language, QStringLiteral("de"));
        QCOMPARE(p.done, queued);
        QCOMPARE(p.failed, 0);
        QTRY_VERIFY(progress.count() >= queued);

        QStringList cues;
        for (char l = 'A'; l <= 'Z'; ++l)
            cues << cue("Letters", QString(QLatin1Char(l)))
                 << cue("Letters", QString(QLatin1Char(l + 32)));
        for (int n = 1; n <= 10; ++n)
            cues << cue("Numbers", QString::number(n));
        for (const char* c :
             {"Red", "Orange", "Yellow", "Green", "Blue", "Indigo", "Violet", "White", "Black"})
            cues << cue("Colors", c);
        for (const char* s : {"Circle", "Square", "Triangle", "Rectangle", "Diamond", "Pentagon",
                              "Hexagon", "Octagon", "Star", "Trapezoid"})
            cues << cue("Shapes", s);
        for (const char* m : {"plus", "minus", "equals"})
            cues << cue("Math", m);
        cues << cue("Words", "katze") << cue("Bird", QString::fromUtf8("Ich kann fliegen"));
        for (const QString& c : cues) {
            const QString found = CStarterVoice::find(c);
            QVERIFY2(found.startsWith(m_data + QStringLiteral("/Starter/de/")), qPrintable(c));
            QVERIFY2(readWav(found).info.frames > 1000, qPrintable(found));
        }
        // Nothing went into the parent's sound folders.
        QVERIFY(parentsFiles(m_data).empty());

        Wav rot = readWav(CStarterVoice::find(cue("Colors", "Red")));
        QVERIFY(!g_rot.isEmpty());
        Wav expected = readWav(g_rot);
        SoundTrim::trimSilence(expected.samples, expected.info.samplerate);
        SoundTrim::normalise(expected.samples);
        QVERIFY(rot.samples == expected.samples);
        QCOMPARE(rot.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);

        // Asked again, nothing is missing.
        QCOMPARE(voice->makeLanguage(QStringLiteral("de"), {}), 0);
    }

    // A parent's recording wins in every language, survives switching to another language
    // and back byte for byte, and a switch adds, deletes and overwrites nothing of the
    // parent's; a word the parent recorded is given no starter recording.
    void parentsRecordingSurvivesASwitch()
    {
        const QString red = cue("Colors", "rED");
        QVERIFY(TestApp::writeWav(red, 2205, 1234));
        QVERIFY(TestApp::writeWav(cue("Words", "Oma"), 2205, 4321));
        const std::map<QString, QByteArray> before = parentsFiles(m_data);
        CStarterVoice::setEnabled(true);
        for (const char* code : {"fr", "en", "fr"}) {
            CLanguage::instance()->select(QLatin1String(code));
            CStarterVoice::instance()->makeLanguage(QLatin1String(code), {});
            QVERIFY(!CStarterVoice::instance()->speakIfSilent(cue("Words", "oma"),
                                                              QStringLiteral("Oma")));
            QVERIFY(CStarterVoice::instance()->waitForIdle(240000));
            QCOMPARE(CStarterVoice::find(cue("Colors", "Red")), red);
            QVERIFY(CStarterVoice::find(cue("Colors", "Blue"))
                        .startsWith(m_data + QStringLiteral("/Starter/") + QLatin1String(code)));
        }
        QVERIFY(parentsFiles(m_data) == before);
        QVERIFY(!QFileInfo::exists(m_data + QStringLiteral("/Starter/fr/Words/Oma.wav")));
        QFile::remove(red);
        QFile::remove(cue("Words", "Oma"));
    }

    // A copy of an English starter recording that an earlier version put among the parent's
    // recordings is recognised and taken out, so the language's own starter recording is
    // heard; a parent's recording of the same item stays.
    void oldStarterCopyDoesNotWin()
    {
        if (g_earlierBuild.isEmpty() || g_references.count(QStringLiteral("it")) == 0)
            QSKIP("espeak-ng and sox are needed");
        QTemporaryDir program;
        const QString shipped = program.path() + QStringLiteral("/Starter/en/Colors");
        const QString english = g_references.at(QStringLiteral("en")).cleaned;
        QVERIFY(QDir().mkpath(shipped));
        for (const char* name : {"/Green.wav", "/Blue.wav", "/Yellow.wav"})
            QVERIFY(QFile::copy(english, shipped + QLatin1String(name)));
        // Seeded by an earlier version: a copy of the file it shipped, and one an earlier build
        // made of the same word.
        QVERIFY(QFile::copy(shipped + QStringLiteral("/Blue.wav"), cue("Colors", "Blue")));
        QVERIFY(QFile::copy(g_earlierBuild, cue("Colors", "Green")));
        // The parent's recording of yellow: another voice altogether.
        QVERIFY(
            QFile::copy(g_references.at(QStringLiteral("it")).cleaned, cue("Colors", "Yellow")));
        const QByteArray parentsYellow = TestApp::readFile(cue("Colors", "Yellow"));
        QVERIFY(TestApp::writeWav(m_data + QStringLiteral("/Starter/it/Colors/Green.wav"), 100));
        CStarterVoice::setFolders(m_data, program.path());
        CLanguage::instance()->select(QStringLiteral("it"));
        QCOMPARE(CStarterVoice::find(cue("Colors", "Green")), cue("Colors", "Green"));

        QFile::remove(m_data + QStringLiteral("/Starter/.sorted"));
        QCOMPARE(DataFolder::takeOutStarterCopies(m_data, program.path()), 2);
        QVERIFY(!QFileInfo::exists(cue("Colors", "Green")));
        QVERIFY(!QFileInfo::exists(cue("Colors", "Blue")));
        QCOMPARE(TestApp::readFile(cue("Colors", "Yellow")), parentsYellow);
        QCOMPARE(CStarterVoice::find(cue("Colors", "Green")),
                 m_data + QStringLiteral("/Starter/it/Colors/Green.wav"));
        QCOMPARE(CStarterVoice::find(cue("Colors", "Yellow")), cue("Colors", "Yellow"));
        // Once: a copy that turns up later is left alone.
        QVERIFY(QFile::copy(g_earlierBuild, cue("Colors", "Green")));
        QCOMPARE(DataFolder::takeOutStarterCopies(m_data, program.path()), 0);
        QVERIFY(QFile::remove(cue("Colors", "Green")));
        QVERIFY(QFile::remove(cue("Colors", "Yellow")));
        CStarterVoice::setFolders(m_data, QString());
    }

    // Without the language's voice files nothing can be made: its items are heard in
    // English, and a starter file of the language that cannot be played is passed over.
    void missingOrDamagedVoiceFallsBackToEnglish()
    {
        QVERIFY(TestApp::writeWav(m_data + QStringLiteral("/Starter/en/Shapes/Star.wav"), 900));
        QVERIFY(TestApp::writeWav(m_data + QStringLiteral("/Starter/en/Shapes/Circle.wav"), 900));
        QVERIFY(TestApp::writeFile(m_data + QStringLiteral("/Starter/nl/Shapes/Circle.wav"),
                                   QByteArray("RIFF, but no sound")));
        // A voice data folder with nothing in it.
        const QString voices = m_data + QStringLiteral("/no-voices");
        QVERIFY(QDir().mkpath(voices + QStringLiteral("/espeak-ng-data")));
        qputenv("ESPEAK_DATA_PATH", QFile::encodeName(voices));
        CStarterVoice::setEnabled(true);
        CLanguage::instance()->select(QStringLiteral("nl"));
        const int queued = CStarterVoice::instance()->makeLanguage(QStringLiteral("nl"), {});
        QCOMPARE(queued, 26 + 10 + 9 + 10 + 3);
        QVERIFY(CStarterVoice::instance()->waitForIdle(240000));
        const CStarterVoice::Progress p = CStarterVoice::instance()->progress();
        QCOMPARE(p.failed, queued);
        QCOMPARE(p.done, 0);
        QCOMPARE(CStarterVoice::find(cue("Shapes", "Star")),
                 m_data + QStringLiteral("/Starter/en/Shapes/Star.wav"));
        QCOMPARE(CStarterVoice::find(cue("Shapes", "circle")),
                 m_data + QStringLiteral("/Starter/en/Shapes/Circle.wav"));
        // The General page says so.
        const QString status = AfxGetApp()->starterVoiceStatus();
        QVERIFY2(status.contains(QStringLiteral(" %1 ").arg(queued)), qPrintable(status));
        CGeneralPropPg page;
        page.ensureInitialized();
        auto* line = page.findChild<QLabel*>(QStringLiteral("voiceStatus"));
        QVERIFY(line);
        QCOMPARE(line->text(), status);
        QVERIFY(!line->isHidden());
        CLanguage::instance()->select(QStringLiteral("en"));
        QVERIFY2(AfxGetApp()->starterVoiceStatus().isEmpty(),
                 qPrintable(AfxGetApp()->starterVoiceStatus()));
    }

    void switchedOffStaysSilent()
    {
        CStarterVoice::setEnabled(false);
        QVERIFY(
            !CStarterVoice::instance()->speakIfSilent(cue("Words", "Owl"), QStringLiteral("Owl")));
        QCOMPARE(CStarterVoice::instance()->makeLanguage(QStringLiteral("es"), {}), 0);
        QVERIFY(CStarterVoice::instance()->waitForIdle(20000));
        QCOMPARE(CStarterVoice::find(cue("Words", "Owl")), QString());
    }

    // Asked to end while a recording is being made, the voice ends at once: its speaker is
    // ended rather than waited for, and nothing of the recording is left. (Last: the voice
    // takes no work once it has ended.)
    void endingAbandonsTheRecordingBeingMade()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString started = dir.filePath(QStringLiteral("started"));
        const QString speaker = dir.filePath(QStringLiteral("slow-speaker"));
        // A speaker that starts its output and then takes a minute (the program's own takes
        // a fraction of a second a word).
        QVERIFY(TestApp::writeFile(speaker, QStringLiteral("#!/bin/sh\n: > \"$3\"\n"
                                                           "echo $$ > '%1'\nexec sleep 60\n")
                                                .arg(started)
                                                .toUtf8()));
        QVERIFY(
            QFile::setPermissions(speaker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        CStarterVoice::setSpeaker(speaker);
        CStarterVoice::setEnabled(true);
        CLanguage::instance()->select(QStringLiteral("en"));
        CStarterVoice* voice = CStarterVoice::instance();
        const QString path = cue("Words", "Quokka");
        QVERIFY(voice->speakIfSilent(path, QStringLiteral("Quokka")));
        QTRY_VERIFY_WITH_TIMEOUT(TestApp::readFile(started).trimmed().toInt() > 0, 20000);
        const pid_t pid = TestApp::readFile(started).trimmed().toInt();

        QElapsedTimer clock;
        clock.start();
        voice->shutdown();
        const qint64 took = clock.elapsed();
        QVERIFY2(took < 10000, qPrintable(QStringLiteral("ended after %1 ms").arg(took)));
        // The speaker is gone, and reaped (a zombie would still answer).
        QCOMPARE(::kill(pid, 0), -1);
        QCOMPARE(errno, ESRCH);
        QCOMPARE(CStarterVoice::findStarter(path, QStringLiteral("en")), QString());
        const QStringList left = QDir(m_data + QStringLiteral("/Starter/en/Words"))
                                     .entryList(QDir::Files | QDir::Hidden | QDir::System);
        QCOMPARE(left.filter(QStringLiteral("Quokka")), QStringList());
        QCOMPARE(left.filter(QStringLiteral(".speak.")), QStringList());
        QVERIFY(!voice->speakIfSilent(cue("Words", "Wombat"), QStringLiteral("Wombat")));
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir reference;
    if (reference.isValid())
        makeReferences(reference.path());
    TestStarterVoice tc;
    return runTestObject(argc, argv, &tc, false);
}
#include "tst_startervoice.moc"
