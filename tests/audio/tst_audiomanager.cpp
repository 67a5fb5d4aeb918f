#include "common/TestApp.h"
#include "audio/AudioEngine.h"
#include "audio/AudioManager.h"
#include "audio/SoundTrim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <cmath>
#include <memory>
#include <sndfile.h>
#include <stdio.h>
#include <vector>

namespace {
using Samples = std::vector<int16_t>;

// Writes interleaved 16-bit samples as a WAV (or another container) through libsndfile.
bool writeShorts(const QString& path, const Samples& samples, int rate, int channels,
                 int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const sf_count_t frames = sf_count_t(samples.size()) / channels;
    const bool ok = sf_writef_short(f, samples.data(), frames) == frames;
    return sf_close(f) == 0 && ok;
}

// A constant level (-1..1) on every channel, in any encoding.
bool writeLevel(const QString& path, double level, sf_count_t frames, int rate, int channels,
                int format)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    std::vector<double> data(size_t(frames) * size_t(channels), level);
    const bool ok = sf_writef_double(f, data.data(), frames) == frames;
    return sf_close(f) == 0 && ok;
}

Samples readRaw(const QString& path)
{
    const QByteArray bytes = TestApp::readFile(path);
    Samples samples(size_t(bytes.size()) / 2);
    if (!samples.empty())
        memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

// The stereo frames of the output that are not silent, in order.
Samples soundingFrames(const Samples& raw)
{
    Samples out;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        if (raw[i] != 0 || raw[i + 1] != 0) {
            out.push_back(raw[i]);
            out.push_back(raw[i + 1]);
        }
    }
    return out;
}

Samples monoToStereo(const Samples& mono)
{
    Samples out;
    for (int16_t s : mono) {
        out.push_back(s);
        out.push_back(s);
    }
    return out;
}

struct WavContents
{
    SF_INFO info{};
    Samples samples;
};

WavContents readWav(const QString& path)
{
    WavContents c;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &c.info);
    if (!f)
        return c;
    c.samples.resize(size_t(c.info.frames) * size_t(c.info.channels));
    sf_readf_short(f, c.samples.data(), c.info.frames);
    sf_close(f);
    return c;
}

// The recording pattern: never silent, different on every sample of a second.
Samples inputPattern(int frames)
{
    Samples s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const int v = (i * 7) % 60001 - 30000;
        s[size_t(i)] = int16_t(v == 0 ? 1 : v);
    }
    return s;
}

// What a take's samples become when its loudest one is brought to -1 dBFS.
Samples scaledToTarget(const Samples& in, int inputPeak)
{
    const double gain = std::pow(10.0, -1.0 / 20.0) * 32767.0 / inputPeak;
    Samples out;
    out.reserve(in.size());
    for (int16_t v : in)
        out.push_back(int16_t(std::lround(v * gain)));
    return out;
}

QByteArray toBytes(const Samples& s)
{
    return QByteArray(reinterpret_cast<const char*>(s.data()), int(s.size() * 2));
}

class DoneReceiver : public QObject
{
public:
    int count = 0;
    bool ok = false;
    QString error;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == RecordDoneEvent::kType) {
            auto* done = static_cast<RecordDoneEvent*>(e);
            ++count;
            ok = done->ok();
            error = done->error();
            return true;
        }
        return QObject::event(e);
    }
};

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    b[0] = char(v & 0xff);
    b[1] = char(v >> 8);
    return b;
}

// A canonical 44-byte PCM16 mono header whose sizes can be set at will.
QByteArray wavHeader(quint32 riffSize, quint32 fmtSize, quint32 dataSize)
{
    QByteArray h = "RIFF" + le32(riffSize) + "WAVE" + "fmt " + le32(fmtSize);
    h += le16(1) + le16(1) + le32(44100) + le32(88200) + le16(2) + le16(16);
    h += "data" + le32(dataSize);
    return h;
}

// A PCM16 WAV of the given rate and channels over a loud ramp of frames, whose data size
// says dataSize (the real size when 0).
QByteArray pcmWav(quint32 rate, quint16 channels, int frames, quint32 dataSize = 0)
{
    QByteArray data;
    for (int i = 0; i < frames * channels; ++i)
        data += le16(quint16(10000 + i));
    if (dataSize == 0)
        dataSize = quint32(data.size());
    QByteArray h = "RIFF" + le32(36 + dataSize) + "WAVE" + "fmt " + le32(16);
    h += le16(1) + le16(channels) + le32(rate) + le32(rate * 2u * channels) + le16(2 * channels) +
         le16(16);
    return h + "data" + le32(dataSize) + data;
}

// The process's resident memory high-water mark since the last reset, in kB.
qint64 peakResidentKb()
{
    const QList<QByteArray> lines =
        TestApp::readFile(QStringLiteral("/proc/self/status")).split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts a new high-water mark at the memory resident now.
bool resetPeakResident()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}
} // namespace

class TestAudioManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString outputFile() const { return path(QStringLiteral("out.raw")); }
    QString inputFile() const { return path(QStringLiteral("in.raw")); }

    static bool outputOpen() { return CAudioEngine::instance()->isOutputOpen(); }

    // Plays the files on one player and returns the output once it has drained and the
    // device is closed.
    Samples playAndCollect(const QStringList& files)
    {
        CAudioManager player;
        QSignalSpy drained(&player, &CAudioManager::queueDrained);
        for (const QString& f : files)
            player.Play(f);
        if (!player.isPlaying())
            return {};
        if (!drained.wait(20000) || drained.count() != 1 || player.isPlaying())
            return {};
        if (!QTest::qWaitFor([] { return !outputOpen(); }, 20000))
            return {};
        return readRaw(outputFile());
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(outputFile()));
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(inputFile()));
        qputenv("SDL_DISKAUDIODELAY", "0");
    }

    void cleanup()
    {
        // No test may leave the device running into the next one.
        QTRY_VERIFY_WITH_TIMEOUT(!outputOpen(), 20000);
        m_dir.reset();
    }

    void cuesPlayInFullAndInOrder()
    {
        Samples a;
        for (int i = 0; i < 4800; ++i) {
            a.push_back(int16_t(1000 + i));
            a.push_back(int16_t(-1000 - i));
        }
        Samples bMono;
        for (int i = 0; i < 3001; ++i)
            bMono.push_back(int16_t(20000 + (i % 5000)));
        QVERIFY(writeShorts(path("A.wav"), a, 48000, 2));
        QVERIFY(writeShorts(path("B.wav"), bMono, 48000, 1));

        const Samples heard = soundingFrames(playAndCollect({path("A.wav"), path("B.wav")}));
        Samples expected = a;
        const Samples b = monoToStereo(bMono);
        expected.insert(expected.end(), b.begin(), b.end());
        QCOMPARE(heard.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            if (heard[i] != expected[i])
                QFAIL(qPrintable(QStringLiteral("sample %1: %2 instead of %3")
                                     .arg(i)
                                     .arg(heard[i])
                                     .arg(expected[i])));
        }
    }

    // The four cues of a sum, at the rates the program really plays (the starter voice's
    // 22.05 kHz, a parent's 44.1 kHz takes): heard one after the other in call order, each
    // exactly as it sounds alone, whether decoded for this play or taken from the cache.
    void cuesAtVoiceRatesPlayInOrder()
    {
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        struct File
        {
            const char* name;
            int rate;
            int frames;
        };
        const File files[] = {{"3.wav", 22050, 6615},
                              {"plus.wav", 44100, 8820},
                              {"4.wav", 22050, 4410},
                              {"equals.wav", 44100, 13230}};
        QStringList paths;
        std::vector<Samples> alone;
        int n = 0;
        for (const File& f : files) {
            Samples mono;
            for (int i = 0; i < f.frames; ++i)
                mono.push_back(
                    int16_t(std::lround(9000 * std::sin(2 * M_PI * (220 + 110 * n) * i / f.rate))));
            paths << path(QLatin1String(f.name));
            QVERIFY(writeShorts(paths.last(), mono, f.rate, 1));
            ++n;
        }
        // Nothing kept: every play below decodes afresh.
        engine->setCacheCap(0);
        for (int i = 0; i < 4; ++i) {
            alone.push_back(soundingFrames(playAndCollect({paths[i]})));
            const double expected = double(files[i].frames) * 48000 / files[i].rate;
            QVERIFY2(
                std::abs(double(alone.back().size() / 2) - expected) < 48,
                qPrintable(
                    QStringLiteral("%1: %2 frames").arg(paths[i]).arg(alone.back().size() / 2)));
        }
        Samples expected;
        for (const Samples& a : alone)
            expected.insert(expected.end(), a.begin(), a.end());
        QVERIFY(soundingFrames(playAndCollect(paths)) == expected);
        engine->setCacheCap(CSoundCache::kDefaultCapBytes);
        const quint64 before = engine->cacheState().decodes;
        QVERIFY(soundingFrames(playAndCollect(paths)) == expected);
        QCOMPARE(engine->cacheState().decodes, before + 4);
        QVERIFY(soundingFrames(playAndCollect(paths)) == expected);
        QCOMPARE(engine->cacheState().decodes, before + 4);
    }

    void sameFileTwiceIsHeardTwice()
    {
        Samples a;
        for (int i = 0; i < 1000; ++i)
            a.push_back(int16_t(i + 1));
        QVERIFY(writeShorts(path("A.wav"), a, 48000, 1));
        const Samples heard = soundingFrames(playAndCollect({path("A.wav"), path("A.wav")}));
        Samples once = monoToStereo(a);
        Samples expected = once;
        expected.insert(expected.end(), once.begin(), once.end());
        QVERIFY(heard == expected);
    }

    void otherFormatsAreConverted_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("frames");

        const int wav = SF_FORMAT_WAV;
        QTest::newRow("8-bit 22050 mono") << 22050 << 1 << (wav | SF_FORMAT_PCM_U8) << 22050;
        QTest::newRow("float 44100 stereo") << 44100 << 2 << (wav | SF_FORMAT_FLOAT) << 44100;
        QTest::newRow("u-law 8000 mono") << 8000 << 1 << (wav | SF_FORMAT_ULAW) << 8000;
        QTest::newRow("a-law 11025 mono") << 11025 << 1 << (wav | SF_FORMAT_ALAW) << 5000;
        QTest::newRow("24-bit 96000 stereo") << 96000 << 2 << (wav | SF_FORMAT_PCM_24) << 96000;
        QTest::newRow("32-bit 48000 mono") << 48000 << 1 << (wav | SF_FORMAT_PCM_32) << 24000;
        QTest::newRow("double 32000 mono") << 32000 << 1 << (wav | SF_FORMAT_DOUBLE) << 16000;
        QTest::newRow("IMA ADPCM 22050 mono") << 22050 << 1 << (wav | SF_FORMAT_IMA_ADPCM) << 22050;
        QTest::newRow("MS ADPCM 16000 stereo") << 16000 << 2 << (wav | SF_FORMAT_MS_ADPCM) << 16000;
        QTest::newRow("16-bit 4000 mono, the lowest rate")
            << 4000 << 1 << (wav | SF_FORMAT_PCM_16) << 4000;
        QTest::newRow("16-bit 192000 stereo, the highest rate")
            << 192000 << 2 << (wav | SF_FORMAT_PCM_16) << 96000;
        QTest::newRow("WAVEX 16-bit 44100 mono")
            << 44100 << 1 << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16) << 20000;
    }

    void otherFormatsAreConverted()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, format);
        QFETCH(int, frames);
        const double level = 0.3;
        QVERIFY(writeLevel(path("x.wav"), level, frames, rate, channels, format));

        const Samples heard = playAndCollect({path("x.wav")});
        QVERIFY(!heard.empty());
        size_t first = heard.size(), last = 0;
        for (size_t i = 0; i + 1 < heard.size(); i += 2) {
            if (heard[i] != 0 || heard[i + 1] != 0) {
                first = std::min(first, i / 2);
                last = i / 2;
            }
        }
        QVERIFY(first <= last);
        // ADPCM stores whole blocks, so the file may hold a little more (silence) than was
        // written: all that was written is heard, and nothing beyond what the file holds.
        const sf_count_t stored = readWav(path("x.wav")).info.frames;
        QVERIFY(stored >= frames && stored < frames + 2048);
        const double written = double(frames) * 48000.0 / rate;
        const double held = double(stored) * 48000.0 / rate;
        const double span = double(last - first + 1);
        QVERIFY2(span >= written - 16 && span <= held + 16,
                 qPrintable(QStringLiteral("%1 frames heard, %2 written, %3 stored")
                                .arg(span)
                                .arg(written)
                                .arg(held)));
        // In the middle, both sides carry the level.
        const size_t mid = (first + last) / 2 * 2;
        const double want = level * 32767;
        QVERIFY2(std::abs(heard[mid] - want) < want * 0.04,
                 qPrintable(QString::number(heard[mid])));
        QVERIFY2(std::abs(heard[mid + 1] - want) < want * 0.04,
                 qPrintable(QString::number(heard[mid + 1])));
    }

    void unplayableFilesAreSilent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        // What the log says of a file refused for what it claims to be; empty: not checked.
        QTest::addColumn<QString>("why");

        QRandomGenerator rng(1234);
        QByteArray random(4096, '\0');
        for (char& c : random)
            c = char(rng.bounded(256));

        QTest::newRow("empty file") << "empty.wav" << QByteArray() << QString();
        QTest::newRow("truncated header")
            << "trunc.wav" << wavHeader(36, 16, 0).left(20) << QString();
        QTest::newRow("header only, no data") << "hdr.wav" << wavHeader(36, 16, 0) << QString();
        QTest::newRow("header promising data that is missing")
            << "promise.wav" << wavHeader(36 + 8000, 16, 8000) << QString();
        QTest::newRow("random bytes") << "random.wav" << random << QString();
        QTest::newRow("RIFF then random bytes")
            << "riffrand.wav" << QByteArray("RIFF") + random << QString();
        QTest::newRow("text with a .wav name")
            << "text.wav" << QByteArray("This is not a sound.\nJust words.\n") << QString();
        QTest::newRow("absurd RIFF and fmt sizes")
            << "absurd1.wav" << wavHeader(0xFFFFFFFFu, 0xFFFFFFF0u, 0xFFFFFFFFu) << QString();
        QTest::newRow("absurd data size")
            << "absurd2.wav" << wavHeader(0xFFFFFFFFu, 16, 0xFFFFFFFFu) << QString();
        QTest::newRow("zero channels")
            << "nochan.wav"
            << QByteArray("RIFF" + le32(36) + "WAVEfmt " + le32(16) + le16(1) + le16(0) +
                          le32(44100) + le32(0) + le16(0) + le16(16) + "data" + le32(0))
            << QString();
        QTest::newRow("directory") << "folder.wav" << QByteArray("<dir>") << QString();
        QTest::newRow("missing file") << "missing.wav" << QByteArray("<none>") << QString();
        QTest::newRow("empty path") << "" << QByteArray("<none>") << QString();
        QTest::newRow("AIFF with a .wav name") << "aiff.wav" << QByteArray("<aiff>") << QString();

        // Files no voice can be: refused before anything is sized after them.
        QTest::newRow("1 Hz, four samples")
            << "Red.wav" << pcmWav(1, 1, 4) << QStringLiteral("rate of 1 Hz");
        QTest::newRow("3999 Hz") << "low.wav" << pcmWav(3999, 1, 4000)
                                 << QStringLiteral("rate of 3999 Hz");
        QTest::newRow("192001 Hz")
            << "high.wav" << pcmWav(192001, 1, 4000) << QStringLiteral("rate of 192001 Hz");
        QTest::newRow("2147483647 Hz") << "huge.wav" << pcmWav(0x7FFFFFFFu, 1, 4000)
                                       << QStringLiteral("rate of 2147483647 Hz");
        QTest::newRow("1 Hz, huge data length on four samples")
            << "Red.wav" << pcmWav(1, 1, 4, 0xFFFFFFF0u) << QStringLiteral("rate of 1 Hz");
        QTest::newRow("three channels")
            << "three.wav" << pcmWav(48000, 3, 4800) << QStringLiteral("3 channels");
        QTest::newRow("31 seconds")
            << "long.wav" << pcmWav(4000, 1, 31 * 4000) << QStringLiteral("longer than 30 s");
    }

    void unplayableFilesAreSilent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, why);
        QString bad = name.isEmpty() ? QString() : path(name);
        if (contents == "<dir>") {
            QVERIFY(QDir().mkpath(bad));
        } else if (contents == "<aiff>") {
            QVERIFY(
                writeShorts(bad, Samples(2000, 5000), 48000, 1, SF_FORMAT_AIFF | SF_FORMAT_PCM_16));
        } else if (contents != "<none>") {
            QVERIFY(TestApp::writeFile(bad, contents));
        }

        // Refused with the reason in the log.
        if (!why.isEmpty()) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^Not playing .*: .*") +
                                                    QRegularExpression::escape(why)));
        }

        // Alone, the file is silent and the player still reports that it has drained, and
        // playing it takes no more memory than a few blocks of decoding.
        const bool peakReset = resetPeakResident();
        const qint64 before = peakResidentKb();
        {
            CAudioManager player;
            QSignalSpy drained(&player, &CAudioManager::queueDrained);
            player.Play(bad);
            QVERIFY(player.isPlaying());
            QVERIFY(drained.wait(20000));
            QCOMPARE(drained.count(), 1);
            QVERIFY(!player.isPlaying());
            QTRY_VERIFY_WITH_TIMEOUT(!outputOpen(), 20000);
            QVERIFY(soundingFrames(readRaw(outputFile())).empty());
        }
        if (peakReset) {
            const qint64 grown = peakResidentKb() - before;
            QVERIFY2(grown < 32 * 1024, qPrintable(QStringLiteral("%1 kB more").arg(grown)));
        }

        // Followed by a good cue, the queue moves on and only the good cue is heard.
        Samples good;
        for (int i = 0; i < 2400; ++i)
            good.push_back(int16_t(3000 + i));
        QVERIFY(writeShorts(path("good.wav"), good, 48000, 1));
        QVERIFY(soundingFrames(playAndCollect({bad, path("good.wav"), bad})) == monoToStereo(good));
    }

    void shortDataPlaysWhatIsThere_data()
    {
        QTest::addColumn<quint32>("dataSize");
        QTest::newRow("4800 frames promised") << quint32(9600);
        QTest::newRow("4 GB promised") << quint32(0xFFFFFFF0u);
    }

    void shortDataPlaysWhatIsThere()
    {
        // A header that promises more than the 1000 frames that follow: the 1000 are heard.
        QFETCH(quint32, dataSize);
        Samples data;
        for (int i = 0; i < 1000; ++i)
            data.push_back(int16_t(100 + i));
        QByteArray bytes = wavHeader(36 + dataSize, 16, dataSize) + toBytes(data);
        bytes.replace(24, 4, le32(48000));
        bytes.replace(28, 4, le32(96000));
        QVERIFY(TestApp::writeFile(path("short.wav"), bytes));
        QVERIFY(soundingFrames(playAndCollect({path("short.wav")})) == monoToStereo(data));
    }

    // A file that changes between two plays is heard as it is now, whether a new take was
    // moved into place, a parent copied a file over it (same size and length, other samples)
    // or a recording replaced it.
    void changedFileIsHeardAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("new file moved into place") << "move";
        QTest::newRow("written over in place, same size") << "overwrite";
        QTest::newRow("recorded over") << "record";
    }

    void changedFileIsHeardAtOnce()
    {
        QFETCH(QString, how);
        // Keeps the engine, and with it the cache, for the whole test.
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        const QString target = path("Letters/A.wav");
        QVERIFY(QDir().mkpath(path("Letters")));
        Samples before, after;
        for (int i = 0; i < 44100; ++i) {
            before.push_back(int16_t(1000 + i % 7000));
            after.push_back(int16_t(-2000 - i % 5000));
        }
        QVERIFY(writeShorts(target, before, 48000, 1));
        QVERIFY(soundingFrames(playAndCollect({target})) == monoToStereo(before));
        // Played again, it comes from the cache.
        const quint64 decodes = engine->cacheState().decodes;
        QVERIFY(soundingFrames(playAndCollect({target})) == monoToStereo(before));
        QCOMPARE(engine->cacheState().decodes, decodes);

        Samples expected = after;
        if (how == QLatin1String("move")) {
            QVERIFY(writeShorts(path("Letters/.A.wav.new"), after, 48000, 1));
            QVERIFY(::rename(QFile::encodeName(path("Letters/.A.wav.new")).constData(),
                             QFile::encodeName(target).constData()) == 0);
        } else if (how == QLatin1String("overwrite")) {
            const QByteArray old = TestApp::readFile(target);
            QVERIFY(writeShorts(path("other.wav"), after, 48000, 1));
            const QByteArray bytes = TestApp::readFile(path("other.wav"));
            QCOMPARE(bytes.size(), old.size());
            QFile f(target);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QCOMPARE(f.write(bytes), qint64(bytes.size()));
            f.close();
        } else {
            const Samples input = inputPattern(44100);
            QVERIFY(TestApp::writeFile(inputFile(), toBytes(input)));
            CAudioManager recorder;
            DoneReceiver page;
            recorder.Record(1, target, &page, nullptr);
            QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
            QVERIFY2(page.ok, qPrintable(page.error));
            // The take is 44.1 kHz, one second: 48000 frames at the output, where the old
            // sound had 44100.
            const Samples take = readWav(target).samples;
            QCOMPARE(take.size(), size_t(44100));
            const Samples heard = soundingFrames(playAndCollect({target}));
            QVERIFY2(heard.size() > size_t(47900) * 2 && heard.size() <= size_t(48000) * 2,
                     qPrintable(QString::number(heard.size() / 2)));
            QCOMPARE(engine->cacheState().decodes, decodes + 1);
            return;
        }
        QVERIFY(soundingFrames(playAndCollect({target})) == monoToStereo(expected));
        QCOMPARE(engine->cacheState().decodes, decodes + 1);
    }

    // The cache never holds more than its cap; the sounds played longest ago go first, and
    // a sound larger than the whole cap still plays.
    void cacheStaysWithinItsCap()
    {
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        // 24000 frames at 48 kHz: 96000 bytes decoded. Room for three.
        const size_t each = 24000 * 2 * sizeof(int16_t);
        engine->setCacheCap(3 * each + each / 2);
        const quint64 start = engine->cacheState().decodes;
        QStringList files;
        for (int i = 0; i < 6; ++i) {
            files << path(QStringLiteral("w%1.wav").arg(i));
            QVERIFY(TestApp::writeWav(files.last(), 24000, short(1000 + i), 48000));
        }
        QVERIFY(TestApp::writeWav(path("big.wav"), 96000, 500, 48000));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(soundingFrames(playAndCollect({files[i]})).size(), size_t(24000) * 2);
            QVERIFY(engine->cacheState().bytes <= 3 * each + each / 2);
        }
        QCOMPARE(engine->cacheState().decodes, start + 6);
        QCOMPARE(engine->cacheState().count, size_t(3));
        // The three last are cached; the first was dropped and is read again.
        QCOMPARE(soundingFrames(playAndCollect({files[5], files[3]})).size(), size_t(48000) * 2);
        QCOMPARE(engine->cacheState().decodes, start + 6);
        QCOMPARE(soundingFrames(playAndCollect({files[0]})).size(), size_t(24000) * 2);
        QCOMPARE(engine->cacheState().decodes, start + 7);
        // Larger than the cap: heard in full, every time decoded, never kept.
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(soundingFrames(playAndCollect({path("big.wav")})).size(), size_t(96000) * 2);
            QVERIFY(engine->cacheState().bytes <= 3 * each + each / 2);
        }
        QCOMPARE(engine->cacheState().decodes, start + 9);
        engine->setCacheCap(CSoundCache::kDefaultCapBytes);
    }

    void resolvePathIgnoresCase()
    {
        const QString folder = path("Colors");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(TestApp::writeWav(folder + "/Red.wav", 100, 1000, 48000));
        QVERIFY(QDir().mkpath(folder + "/Blue.wav"));

        QCOMPARE(CAudioManager::resolvePath(folder + "/Red.wav"), folder + "/Red.wav");
        QCOMPARE(CAudioManager::resolvePath(folder + "/red.wav"), folder + "/Red.wav");
        QCOMPARE(CAudioManager::resolvePath(folder + "/RED.WAV"), folder + "/Red.wav");
        QCOMPARE(CAudioManager::resolvePath(folder + "/Green.wav"), QString());
        QCOMPARE(CAudioManager::resolvePath(folder + "/blue.wav"), QString());
        QCOMPARE(CAudioManager::resolvePath(path("colors/Red.wav")), QString());
        QCOMPARE(CAudioManager::resolvePath(QString()), QString());

        // And the player finds it the same way.
        QCOMPARE(soundingFrames(playAndCollect({folder + "/rED.wav"})).size(), size_t(200));
    }

    // Letter case beyond A..Z, and an accent typed as a letter plus a combining mark, name the
    // same file as the composed small letters.
    void resolvePathFoldsEveryLetter()
    {
        const QString folder = path("Words");
        QVERIFY(QDir().mkpath(folder));
        const QString eva = folder + QString::fromUtf8("/Éva.wav");
        QVERIFY(TestApp::writeWav(eva, 100, 1000, 48000));
        QCOMPARE(CAudioManager::resolvePath(folder + QString::fromUtf8("/éva.wav")), eva);
        QCOMPARE(CAudioManager::resolvePath(folder + QString::fromUtf8("/ÉVA.WAV")), eva);
        QCOMPARE(CAudioManager::resolvePath(folder + QStringLiteral("/e") + QChar(0x301) +
                                            QStringLiteral("va.wav")),
                 eva);
        QCOMPARE(CAudioManager::resolvePath(folder + QString::fromUtf8("/èva.wav")), QString());
        QCOMPARE(CAudioManager::resolvePath(folder + QStringLiteral("/eva.wav")), QString());
    }

    void failedOutputDeviceIsSilent()
    {
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path("no/such/folder/out.raw")));
        QVERIFY(TestApp::writeWav(path("a.wav"), 4800, 1000, 48000));
        CAudioManager player;
        QSignalSpy drained(&player, &CAudioManager::queueDrained);
        player.Play(path("a.wav"));
        player.Play(path("a.wav"));
        QVERIFY(drained.wait(20000));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 20000);
        QCOMPARE(drained.count(), 1);
        QVERIFY(!outputOpen());
    }

    void playersShareOneOutput()
    {
        QVERIFY(TestApp::writeWav(path("a.wav"), 4800, 1000, 48000));
        QVERIFY(TestApp::writeWav(path("b.wav"), 2400, 2000, 48000, 2));
        CAudioManager first;
        CAudioManager second;
        QSignalSpy firstDrained(&first, &CAudioManager::queueDrained);
        QSignalSpy secondDrained(&second, &CAudioManager::queueDrained);
        first.Play(path("a.wav"));
        second.Play(path("b.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(firstDrained.count() == 1 && secondDrained.count() == 1, 20000);
        QVERIFY(!first.isPlaying() && !second.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!outputOpen(), 20000);
        // However the two overlapped, mixing adds: every sample of both is in the output.
        qint64 sum = 0;
        for (int16_t s : readRaw(outputFile()))
            sum += s;
        QCOMPARE(sum, qint64(4800) * 2 * 1000 + qint64(2400) * 2 * 2000);
    }

    void stopEndsPlayback()
    {
        // Played at a pace that keeps the 10-second sound busy long after Stop.
        qputenv("SDL_DISKAUDIODELAY", "10");
        QVERIFY(TestApp::writeWav(path("long.wav"), 480000, 1000, 48000));
        QVERIFY(TestApp::writeWav(path("short.wav"), 480, 2000, 48000));
        CAudioManager player;
        QSignalSpy drained(&player, &CAudioManager::queueDrained);
        player.Play(path("long.wav"));
        player.Play(path("long.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(!soundingFrames(readRaw(outputFile())).empty(), 20000);
        player.Stop();
        QCOMPARE(drained.count(), 1);
        QVERIFY(!player.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!outputOpen(), 20000);
        QVERIFY(soundingFrames(readRaw(outputFile())).size() < size_t(480000) * 2);
        // Stopping an idle player changes nothing.
        player.Stop();
        QCOMPARE(drained.count(), 1);

        // The player plays again afterwards.
        qputenv("SDL_DISKAUDIODELAY", "0");
        player.Play(path("short.wav"));
        QVERIFY(drained.wait(20000));
        QCOMPARE(drained.count(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!outputOpen(), 20000);
        QCOMPARE(soundingFrames(readRaw(outputFile())).size(), size_t(480) * 2);
    }

    void stopOrDestroyRightAfterPlayClosesTheDevice()
    {
        // Whether the device is still opening or already playing when the player stops or
        // goes away, it must not stay open (the disk driver would write for ever).
        QVERIFY(TestApp::writeWav(path("a.wav"), 48000, 1000, 48000));
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        for (int i = 0; i < 20; ++i) {
            {
                CAudioManager player;
                QSignalSpy drained(&player, &CAudioManager::queueDrained);
                player.Play(path("a.wav"));
                QTest::qWait(i % 4);
                player.Stop();
                QCOMPARE(drained.count(), 1);
                QTRY_VERIFY_WITH_TIMEOUT(!engine->isOutputOpen(), 20000);
            }
            {
                auto player = std::make_unique<CAudioManager>();
                player->Play(path("a.wav"));
                QTest::qWait(i % 4);
                player.reset();
                QTRY_VERIFY_WITH_TIMEOUT(!engine->isOutputOpen(), 20000);
            }
        }
    }

    void destroyingPlayerStopsItsSound()
    {
        qputenv("SDL_DISKAUDIODELAY", "10");
        QVERIFY(TestApp::writeWav(path("long.wav"), 480000, 1000, 48000));
        const std::shared_ptr<CAudioEngine> engine = CAudioEngine::instance();
        auto player = std::make_unique<CAudioManager>();
        player->Play(path("long.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(engine->isOutputOpen(), 20000);
        player.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!engine->isOutputOpen(), 20000);
    }

    void cutSoundFadesOut_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("Stop") << false;
        QTest::newRow("player destroyed") << true;
    }

    void cutSoundFadesOut()
    {
        // A sound stopped half-way must not end on a step (a click as the stream closes):
        // it fades to nothing within a few milliseconds.
        QFETCH(bool, destroy);
        qputenv("SDL_DISKAUDIODELAY", "10");
        const int level = 8000;
        QVERIFY(TestApp::writeWav(path("long.wav"), 480000, level, 48000));
        auto player = std::make_unique<CAudioManager>();
        player->Play(path("long.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(soundingFrames(readRaw(outputFile())).size() > 4800 * 2, 20000);
        if (destroy)
            player.reset();
        else
            player->Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!outputOpen(), 20000);

        const Samples out = readRaw(outputFile());
        size_t first = out.size(), last = 0;
        for (size_t i = 0; i < out.size(); i += 2) {
            if (out[i] != 0) {
                first = std::min(first, i);
                last = i;
            }
        }
        QVERIFY(first < last);
        QVERIFY2(last / 2 < 480000 - 4800, "the sound was not cut short");
        QVERIFY2(last + 2 < out.size(), "nothing followed the sound");
        int steepest = 0;
        for (size_t i = first + 2; i < out.size(); i += 2)
            steepest = std::max(steepest, std::abs(out[i] - out[i - 2]));
        QVERIFY2(steepest <= level / CAudioEngine::kFadeFrames + 1,
                 qPrintable(QStringLiteral("a step of %1").arg(steepest)));
        // The fade is short: full level until a few milliseconds before the end.
        QCOMPARE(out[last - 2 * size_t(CAudioEngine::kFadeFrames)], int16_t(level));
    }

    void deviceStaysOpenUntilTheSoundHasPlayedOut()
    {
        // Closing a stream drops what the sound server still holds, so the output runs on
        // with silence for three buffers and 50 ms after the last sound before it closes.
        qputenv("SDL_DISKAUDIODELAY", "10");
        QVERIFY(TestApp::writeWav(path("a.wav"), 4800, 1000, 48000));
        QCOMPARE(soundingFrames(playAndCollect({path("a.wav")})).size(), size_t(4800) * 2);
        const Samples out = readRaw(outputFile());
        size_t after = 0;
        while (after * 2 < out.size() && out[out.size() - 1 - after * 2] == 0)
            ++after;
        const size_t wanted = 3 * size_t(CAudioEngine::tuning().deviceFrames) + 2400;
        QVERIFY2(after >= wanted, qPrintable(QStringLiteral("%1 of %2").arg(after).arg(wanted)));
    }

    void fileDriverIsNeverKeptOpen()
    {
        // Keeping the device open between presses is for a sound server; SDL's file driver
        // would write silence at full speed for as long.
        const CAudioEngine::Tuning before = CAudioEngine::tuning();
        CAudioEngine::setTuning({before.deviceFrames, 600000});
        QVERIFY(TestApp::writeWav(path("a.wav"), 480, 1000, 48000));
        CAudioManager player;
        QSignalSpy drained(&player, &CAudioManager::queueDrained);
        player.Play(path("a.wav"));
        QVERIFY(drained.wait(20000));
        const bool closed = QTest::qWaitFor([] { return !outputOpen(); }, 10000);
        CAudioEngine::setTuning(before);
        QVERIFY(closed);
    }

    void recordsTwoSeconds()
    {
        const Samples input = inputPattern(3 * 44100);
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(input)));
        const QString target = path("Letters/A.wav");
        QVERIFY(TestApp::writeFile(target, "old recording"));

        CAudioManager recorder;
        DoneReceiver page;
        recorder.Record(2, target, &page, nullptr);
        QVERIFY(recorder.isRecording());
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY2(page.ok, qPrintable(page.error));
        QVERIFY(page.error.isEmpty());
        QVERIFY(!recorder.isRecording());

        const WavContents wav = readWav(target);
        QCOMPARE(wav.info.frames, sf_count_t(88200));
        QCOMPARE(wav.info.channels, 1);
        QCOMPARE(wav.info.samplerate, 44100);
        QCOMPARE(wav.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        // The pattern sounds from its first sample to its last: nothing is trimmed, and its
        // peak of 30000 is brought to -1 dBFS.
        QVERIFY(wav.samples ==
                scaledToTarget(Samples(input.begin(), input.begin() + 88200), 30000));
        // Nothing but the recording is left in the folder.
        QCOMPARE(QDir(path("Letters")).entryList(QDir::Files | QDir::Hidden), QStringList{"A.wav"});
    }

    void stopEndsRecordingAndKeepsWhatWasRecorded()
    {
        // A slow capture pace, so the recording is still running when Stop comes.
        qputenv("SDL_DISKAUDIODELAY", "10");
        const Samples input = inputPattern(44100);
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(input)));
        const QString target = path("Numbers/1.wav");
        QVERIFY(TestApp::writeFile(target, "old recording"));

        CAudioManager recorder;
        DoneReceiver page;
        QSignalSpy progress(&recorder, &CAudioManager::recordProgress);
        recorder.Record(60, target, &page, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 2, 20000);
        // Until the recording ends, the old file is there as it was, and alone.
        QCOMPARE(TestApp::readFile(target), QByteArray("old recording"));
        QCOMPARE(QDir(path("Numbers")).entryList(QDir::Files | QDir::Hidden), QStringList{"1.wav"});
        QCOMPARE(page.count, 0);
        recorder.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY2(page.ok, qPrintable(page.error));

        int lastMs = -1;
        for (const QList<QVariant>& args : progress) {
            const int ms = args.at(0).toInt();
            const float peak = args.at(1).toFloat();
            QVERIFY(ms >= lastMs);
            QVERIFY(peak >= 0.0f && peak <= 1.0f);
            lastMs = ms;
        }
        QVERIFY(lastMs > 0 && lastMs < 60000);

        const WavContents wav = readWav(target);
        QVERIFY(wav.info.frames > 0 && wav.info.frames <= 44100);
        QCOMPARE(wav.info.channels, 1);
        const Samples head(input.begin(), input.begin() + std::ptrdiff_t(wav.samples.size()));
        QVERIFY(wav.samples == scaledToTarget(head, SoundTrim::peak(head)));
    }

    void failedRecordingsKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("withInput");
        QTest::addColumn<QString>("error");
        QTest::newRow("folder does not exist")
            << "Missing/A.wav" << true << "The recording could not be saved.";
        QTest::newRow("no microphone") << "Letters/A.wav" << false << "No microphone was found.";
        QTest::newRow("target is a folder")
            << "Letters" << true << "The recording could not be saved.";
        QTest::newRow("empty path") << "" << true << "The recording could not be saved.";
    }

    void failedRecordingsKeepTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, withInput);
        QFETCH(QString, error);
        if (withInput)
            QVERIFY(TestApp::writeFile(inputFile(), toBytes(inputPattern(44100))));
        QVERIFY(TestApp::writeFile(path("Letters/A.wav"), "old recording"));
        const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

        CAudioManager recorder;
        DoneReceiver page;
        recorder.Record(2, target.isEmpty() ? QString() : path(target), &page, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY(!page.ok);
        QCOMPARE(page.error, error);
        QVERIFY(!recorder.isRecording());
        QCOMPARE(TestApp::readFile(path("Letters/A.wav")), QByteArray("old recording"));
        QCOMPARE(
            QDir(path("Letters")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"A.wav"});
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    }

    void secondRecordingIsRefused()
    {
        qputenv("SDL_DISKAUDIODELAY", "10");
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(inputPattern(44100))));
        CAudioManager recorder;
        CAudioManager other;
        DoneReceiver first, again, elsewhere;
        QSignalSpy progress(&recorder, &CAudioManager::recordProgress);
        recorder.Record(60, path("one.wav"), &first, nullptr);
        recorder.Record(2, path("two.wav"), &again, nullptr);
        other.Record(2, path("three.wav"), &elsewhere, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(again.count, 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(elsewhere.count, 1, 20000);
        QVERIFY(!again.ok && !again.error.isEmpty());
        QVERIFY(!elsewhere.ok && !elsewhere.error.isEmpty());
        QVERIFY(recorder.isRecording());
        QVERIFY(!other.isRecording());
        QCOMPARE(first.count, 0);

        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 20000);
        recorder.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(first.count, 1, 20000);
        QVERIFY(first.ok);
        QVERIFY(QFileInfo::exists(path("one.wav")));
        QVERIFY(!QFileInfo::exists(path("two.wav")));
        QVERIFY(!QFileInfo::exists(path("three.wav")));

        // Once it has ended, the other player may record.
        qputenv("SDL_DISKAUDIODELAY", "0");
        other.Record(1, path("three.wav"), &elsewhere, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(elsewhere.count, 2, 20000);
        QVERIFY2(elsewhere.ok, qPrintable(elsewhere.error));
        QCOMPARE(readWav(path("three.wav")).info.frames, sf_count_t(44100));
    }

    void destroyingRecorderThrowsAwayTheUnfinishedTake()
    {
        qputenv("SDL_DISKAUDIODELAY", "10");
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(inputPattern(44100))));
        QVERIFY(TestApp::writeWav(path("a.wav"), 300, 1234));
        const QByteArray old = TestApp::readFile(path("a.wav"));
        DoneReceiver page;
        {
            CAudioManager recorder;
            QSignalSpy progress(&recorder, &CAudioManager::recordProgress);
            recorder.Record(60, path("a.wav"), &page, nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 20000);
        }
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY(!page.ok);
        QCOMPARE(TestApp::readFile(path("a.wav")), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QStringList{"*a.wav*"}, QDir::Files | QDir::Hidden),
                 QStringList{"a.wav"});

        // A receiver that is gone by then hears nothing, and nothing crashes.
        auto gone = std::make_unique<DoneReceiver>();
        {
            CAudioManager recorder;
            QSignalSpy progress(&recorder, &CAudioManager::recordProgress);
            recorder.Record(60, path("b.wav"), gone.get(), nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 20000);
            gone.reset();
            recorder.Stop();
            QTRY_VERIFY_WITH_TIMEOUT(!recorder.isRecording(), 20000);
        }
        // Stop is the parent's own end of the take: it is kept.
        QVERIFY(QFileInfo::exists(path("b.wav")));
    }

    // A take cancelled before its end leaves the old file byte for byte, and no late end of
    // it reaches the receiver or finishes the next recording.
    void cancelKeepsTheOldFile()
    {
        qputenv("SDL_DISKAUDIODELAY", "10");
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(inputPattern(44100))));
        QVERIFY(TestApp::writeWav(path("c.wav"), 500, 777));
        const QByteArray old = TestApp::readFile(path("c.wav"));
        CAudioManager recorder;
        DoneReceiver page;
        QSignalSpy progress(&recorder, &CAudioManager::recordProgress);
        recorder.Record(2, path("c.wav"), &page, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 20000);
        QVERIFY(recorder.cancelRecording());
        QVERIFY(!recorder.isRecording());
        QTest::qWait(300);
        QCOMPARE(page.count, 0);
        QCOMPARE(TestApp::readFile(path("c.wav")), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QStringList{"*c.wav*"}, QDir::Files | QDir::Hidden),
                 QStringList{"c.wav"});
        QVERIFY(!recorder.cancelRecording());

        // A full take afterwards replaces the file.
        qputenv("SDL_DISKAUDIODELAY", "0");
        recorder.Record(1, path("c.wav"), &page, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY2(page.ok, qPrintable(page.error));
        QCOMPARE(readWav(path("c.wav")).info.frames, sf_count_t(44100));
    }

    // The take is trimmed to its sound and brought to -1 dBFS, sample for sample.
    void takeIsTrimmedAndNormalised()
    {
        Samples input(size_t(2 * 44100), 0);
        const size_t toneStart = 22050;
        const size_t toneLength = 26460; // 0.6 s
        for (size_t i = 0; i < toneLength; ++i)
            input[toneStart + i] =
                int16_t(std::lround(8192 * std::sin(2 * M_PI * 440 * i / 44100.0)));
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(input)));
        CAudioManager recorder;
        DoneReceiver page;
        recorder.Record(2, path("t.wav"), &page, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY2(page.ok, qPrintable(page.error));
        const WavContents wav = readWav(path("t.wav"));
        // The silence around the tone is gone; only the tone's few first and last samples
        // near its zero crossings lie under the threshold of silence.
        const sf_count_t frames = wav.info.frames;
        QVERIFY2(frames >= sf_count_t(toneLength) - 20 && frames <= sf_count_t(toneLength),
                 qPrintable(QString::number(frames)));
        // Sample for sample the tone, scaled, from where its sound starts.
        bool found = false;
        for (size_t begin = toneStart; begin <= toneStart + 20 && !found; ++begin) {
            const Samples tone(input.begin() + std::ptrdiff_t(begin),
                               input.begin() + std::ptrdiff_t(begin) + std::ptrdiff_t(frames));
            found = wav.samples == scaledToTarget(tone, 8192);
        }
        QVERIFY(found);
        // Peak at -1 dBFS.
        QCOMPARE(SoundTrim::peak(wav.samples), 29204);
    }

    // Silence or faint noise is refused, and the old file stays.
    void silentTakeIsRefused_data()
    {
        QTest::addColumn<int>("noise");
        QTest::newRow("silence") << 0;
        QTest::newRow("faint noise") << 500;
    }
    void silentTakeIsRefused()
    {
        QFETCH(int, noise);
        Samples input(size_t(2 * 44100));
        QRandomGenerator random(7);
        for (int16_t& v : input)
            v = int16_t(noise ? random.bounded(-noise, noise + 1) : 0);
        QVERIFY(TestApp::writeFile(inputFile(), toBytes(input)));
        QVERIFY(TestApp::writeWav(path("s.wav"), 500, 4321));
        const QByteArray old = TestApp::readFile(path("s.wav"));
        CAudioManager recorder;
        DoneReceiver page;
        recorder.Record(2, path("s.wav"), &page, nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(page.count, 1, 20000);
        QVERIFY(!page.ok);
        QCOMPARE(page.error, QStringLiteral("Only silence was heard."));
        QCOMPARE(TestApp::readFile(path("s.wav")), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QStringList{"*s.wav*"}, QDir::Files | QDir::Hidden),
                 QStringList{"s.wav"});
    }
};

POMMELOT_TEST_MAIN(TestAudioManager)
#include "tst_audiomanager.moc"
