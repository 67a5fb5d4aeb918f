#include "common/TestApp.h"

#include "audio/StarterVoice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtMath>
#include <sndfile.h>

namespace {
QString g_programFolder;
}

QString TestApp::programFolder()
{
    return g_programFolder;
}

bool TestApp::writeWav(const QString& path, int frames, short value, int rate, int channels)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    QVector<short> samples(frames * channels, value);
    const sf_count_t written = sf_writef_short(f, samples.data(), frames);
    sf_close(f);
    return written == frames;
}

QByteArray TestApp::toneS16(double seconds, double amplitude, double frequency)
{
    const int frames = int(44100 * seconds);
    QByteArray raw(frames * 2, '\0');
    auto* s = reinterpret_cast<qint16*>(raw.data());
    for (int i = 0; i < frames; ++i)
        s[i] = qint16(amplitude * qSin(2 * M_PI * frequency * i / 44100.0));
    return raw;
}

bool TestApp::writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray TestApp::readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

int runTestObject(int argc, char** argv, QObject* test, bool createWindow, PrepareFn prepare)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 2;
    g_programFolder = dir.path();
    QStandardPaths::setTestModeEnabled(true);
    // The sound folders are left for start-up to create.
    CPommelotApp::setTestProgramFolder(dir.path(), createWindow);
    // A word without a recording stays silent unless a test (or its prepare) asks for the
    // starter voice.
    CStarterVoice::setEnabled(false);
    CStarterVoice::setSpeaker(QStringLiteral(POMMELOT_BINARY_DIR "/pommelot-speak"));
    if (prepare)
        prepare(dir.path());
    CPommelotApp app(argc, argv);
    if (!app.InitInstance())
        return 3;
    const int rc = QTest::qExec(test, argc, argv);
    app.ExitInstance();
    return rc;
}
