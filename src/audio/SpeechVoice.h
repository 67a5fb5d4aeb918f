#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The starter voice, spoken by the espeak-ng library: the same settings as the shipped starter
// recordings (a smooth female variant of each language's voice, 130 words a minute, pitch 60,
// amplitude 120), mono 16-bit at the library's own rate. The voice is chosen for each text.
//
// The library keeps one global state. It is set up by the first CSpeechVoice and stays set up
// for the rest of the process (its own shut-down can hang waiting for threads it never used);
// calls into it are serialised, so voices on different threads take turns. That state also
// carries over from one text to the next (a text spoken after another differs a little in
// phase from the same text spoken first), so the starter voice speaks each recording in a
// process of its own (pommelot-speak), where it comes out exactly as the command-line speaker
// makes it.
class CSpeechVoice
{
public:
    // American English: "zee", as the first starter voice said it.
    static constexpr const char* kVoice = "en-us+f4";
    static constexpr int kSpeed = 130;
    static constexpr int kPitch = 60;
    static constexpr int kAmplitude = 120;

    CSpeechVoice();
    ~CSpeechVoice();
    CSpeechVoice(const CSpeechVoice&) = delete;
    CSpeechVoice& operator=(const CSpeechVoice&) = delete;

    // False when the library found no voice data: the voice is silent then.
    bool isAvailable() const { return m_rate > 0; }
    int sampleRate() const { return m_rate; }

    // The text spoken with the voice (an espeak-ng voice name such as "de+f4"), untrimmed;
    // empty when the library or the voice is not available or speaking failed.
    std::vector<int16_t> speak(const QString& text, const QString& voice = QLatin1String(kVoice));

private:
    int m_rate = 0;
};
