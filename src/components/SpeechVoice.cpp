#include "components/SpeechVoice.h"

#include <espeak-ng/speak_lib.h>

namespace {
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
    // Without DONT_EXIT the library ends the process when its data is missing.
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return;
    if (espeak_SetVoiceByName(kVoice) != EE_OK) {
        espeak_Terminate();
        return;
    }
    espeak_SetParameter(espeakRATE, kSpeed, 0);
    espeak_SetParameter(espeakPITCH, kPitch, 0);
    espeak_SetParameter(espeakVOLUME, kAmplitude, 0);
    espeak_SetSynthCallback(&collect);
    m_rate = rate;
}

CSpeechVoice::~CSpeechVoice()
{
    if (m_rate > 0)
        espeak_Terminate();
}

std::vector<int16_t> CSpeechVoice::speak(const QString& text)
{
    std::vector<int16_t> samples;
    if (!isAvailable() || text.trimmed().isEmpty())
        return samples;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &samples);
    if (result != EE_OK)
        samples.clear();
    return samples;
}
