#include "common/TestApp.h"
#include "components/SoundTrim.h"
#include "components/SpeechVoice.h"
#include "components/StarterVoice.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
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

// The reference: the word spoken by the command-line speaker with the starter settings, and
// the same cleaned up by the starter files' own tools. Made before the test starts any thread
// (a process started from a threaded one is not allowed under ThreadSanitizer).
QString g_reference;
QString g_referenceTrimmed;

void makeReference(const QString& folder)
{
    const QByteArray raw = QFile::encodeName(folder + QStringLiteral("/raw.wav"));
    const QByteArray trimmed = QFile::encodeName(folder + QStringLiteral("/trimmed.wav"));
    const QByteArray command = "command -v espeak-ng >/dev/null && command -v sox >/dev/null && "
                               "espeak-ng -v en-us+f4 -s 130 -p 60 -a 120 -w '" +
                               raw + "' -- Giraffe && sox '" + raw + "' -b 16 -e signed-integer '" +
                               trimmed +
                               "' silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1";
    if (std::system(command.constData()) == 0) {
        g_reference = QFile::decodeName(raw);
        g_referenceTrimmed = QFile::decodeName(trimmed);
    }
}
} // namespace

class TestStarterVoice : public QObject
{
    Q_OBJECT
    QString m_words;

private Q_SLOTS:
    void initTestCase()
    {
        m_words = TestApp::programFolder() + QStringLiteral("/Words");
        QVERIFY(QDir().mkpath(m_words));
    }

    void cleanup() { CStarterVoice::setEnabled(false); }

    // The voice in the program is the shipped starter voice: the same samples as the
    // command-line speaker with the starter settings, and after trimming the same length and
    // level as the starter files' own clean-up makes.
    void speaksLikeTheStarterFiles()
    {
        if (g_reference.isEmpty())
            QSKIP("espeak-ng and sox are needed to make the reference");
        const Wav reference = readWav(g_reference);
        const Wav cleaned = readWav(g_referenceTrimmed);
        QVERIFY(reference.info.frames > 0 && cleaned.info.frames > 0);

        CSpeechVoice voice;
        QVERIFY(voice.isAvailable());
        QCOMPARE(voice.sampleRate(), reference.info.samplerate);
        // The first word the library speaks in a process is the command-line speaker's, sample
        // for sample, to its very end (later words differ a little in phase).
        std::vector<int16_t> ours = voice.speak(QStringLiteral("Giraffe"));
        QVERIFY(ours == reference.samples);
        const size_t untrimmed = ours.size();

        SoundTrim::trimSilence(ours, voice.sampleRate());
        SoundTrim::normalise(ours);
        // The reference is dithered by its tool, so a sample or two either way.
        QVERIFY2(qAbs(qint64(ours.size()) - qint64(cleaned.info.frames)) <= 2,
                 qPrintable(QStringLiteral("%1 vs %2").arg(ours.size()).arg(cleaned.info.frames)));
        QVERIFY(qAbs(SoundTrim::peak(ours) - SoundTrim::peak(cleaned.samples)) <= 2);
        QCOMPARE(SoundTrim::peak(ours), 29204);
        QVERIFY(ours.size() < untrimmed);
    }

    // A word without a recording is given one in the background; a parent's recording, in any
    // letter case, is never touched and no voice is made beside it.
    void givesAVoiceOnlyToSilentWords()
    {
        CStarterVoice::setEnabled(true);
        CStarterVoice* starter = CStarterVoice::instance();
        QSignalSpy made(starter, &CStarterVoice::soundMade);
        const QString zebra = m_words + QStringLiteral("/Zebra.wav");
        const QString parents = m_words + QStringLiteral("/lion.wav");
        QVERIFY(TestApp::writeWav(parents, 300, 55));
        const QByteArray parentsBytes = TestApp::readFile(parents);

        QVERIFY(starter->speakIfSilent(zebra, QStringLiteral("Zebra")));
        QVERIFY(
            !starter->speakIfSilent(m_words + QStringLiteral("/Lion.wav"), QStringLiteral("Lion")));
        QVERIFY(
            !starter->speakIfSilent(m_words + QStringLiteral("/Blank.wav"), QStringLiteral(" ")));
        QVERIFY(starter->waitForIdle(20000));
        QTRY_COMPARE_WITH_TIMEOUT(made.count(), 1, 5000);
        QCOMPARE(made.at(0).at(0).toString(), zebra);

        const Wav wav = readWav(zebra);
        QCOMPARE(wav.info.channels, 1);
        QCOMPARE(wav.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        // The word as the voice speaks it, trimmed, at -1 dBFS.
        CSpeechVoice voice;
        std::vector<int16_t> expected = voice.speak(QStringLiteral("Zebra"));
        SoundTrim::trimSilence(expected, voice.sampleRate());
        QCOMPARE(wav.info.samplerate, voice.sampleRate());
        QVERIFY2(qAbs(qint64(wav.info.frames) - qint64(expected.size())) <= 100,
                 qPrintable(QStringLiteral("%1 vs %2").arg(wav.info.frames).arg(expected.size())));
        QVERIFY(wav.info.frames > wav.info.samplerate / 4);
        QCOMPARE(SoundTrim::peak(wav.samples), 29204);
        QCOMPARE(TestApp::readFile(parents), parentsBytes);
        QStringList files = QDir(m_words).entryList(QDir::Files | QDir::Hidden);
        files.sort();
        QCOMPARE(files, (QStringList{"Zebra.wav", "lion.wav"}));

        // Asked again, the word now has its recording.
        QVERIFY(!starter->speakIfSilent(zebra, QStringLiteral("Zebra")));
        QFile::remove(zebra);
        QFile::remove(parents);
    }

    void switchedOffStaysSilent()
    {
        CStarterVoice::setEnabled(false);
        QVERIFY(!CStarterVoice::instance()->speakIfSilent(m_words + QStringLiteral("/Owl.wav"),
                                                          QStringLiteral("Owl")));
        QVERIFY(CStarterVoice::instance()->waitForIdle(20000));
        QVERIFY(!QFile::exists(m_words + QStringLiteral("/Owl.wav")));
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir reference;
    if (reference.isValid())
        makeReference(reference.path());
    TestStarterVoice tc;
    return runTestObject(argc, argv, &tc, false);
}
#include "tst_startervoice.moc"
