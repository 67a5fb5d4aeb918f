#include "audio/SpeechVoice.h"

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace {
std::mutex g_library;
// The library's sample rate once it is set up; 0 when that failed.
int g_rate = -1;

int collect(short* wav, int count, espeak_EVENT* events)
{
    if (!wav || count <= 0 || !events)
        return 0;
    auto* out = static_cast<std::vector<int16_t>*>(events->user_data);
    if (out)
        out->insert(out->end(), wav, wav + count);
    return 0; // go on
}
} // namespace

CSpeechVoice::CSpeechVoice()
{
    std::lock_guard<std::mutex> lock(g_library);
    if (g_rate < 0) {
        g_rate = 0;
        // Without DONT_EXIT the library ends the process when its data is missing.
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate > 0) {
            espeak_SetSynthCallback(&collect);
            g_rate = rate;
        }
    }
    m_rate = g_rate;
}

CSpeechVoice::~CSpeechVoice() = default;

std::vector<int16_t> CSpeechVoice::speak(const QString& text, const QString& voice)
{
    std::vector<int16_t> samples;
    if (!isAvailable() || text.trimmed().isEmpty())
        return samples;
    const QByteArray utf8 = text.toUtf8();
    const QByteArray voiceName = voice.toUtf8();
    std::lock_guard<std::mutex> lock(g_library);
    if (espeak_SetVoiceByName(voiceName.constData()) != EE_OK)
        return samples;
    espeak_SetParameter(espeakRATE, kSpeed, 0);
    espeak_SetParameter(espeakPITCH, kPitch, 0);
    espeak_SetParameter(espeakVOLUME, kAmplitude, 0);
    // ENDPAUSE: without it the library keeps the end of the word back until the next text
    // is spoken, and the word is cut short.
    const espeak_ERROR result =
        espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, &samples);
    if (result != EE_OK)
        samples.clear();
    return samples;
}
