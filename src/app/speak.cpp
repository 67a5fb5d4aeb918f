// pommelot-speak VOICE TEXT OUT.wav
//
// Speaks TEXT with the starter voice's settings in the espeak-ng voice VOICE and writes it,
// untrimmed, as a 16-bit mono WAV to OUT.wav (replacing it). Pommelot runs it once for each
// starter recording: in a fresh process the library speaks exactly as the command-line speaker
// does. Exit status 0 when the file was written.
#include "audio/SpeechVoice.h"
#include "audio/WavFile.h"

#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: pommelot-speak VOICE TEXT OUT.wav\n");
        return 2;
    }
    CSpeechVoice voice;
    if (!voice.isAvailable())
        return 1;
    const std::vector<int16_t> samples =
        voice.speak(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[1]));
    if (samples.empty())
        return 1;
    const QString target = QFile::decodeName(argv[3]);
    const QString written = WavFile::writeBeside(target, samples, voice.sampleRate());
    if (written.isEmpty())
        return 1;
    QFile::remove(target);
    if (!QFile::rename(written, target)) {
        QFile::remove(written);
        return 1;
    }
    return 0;
}
