#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The starter voice, spoken in the program itself by the espeak-ng library: the same voice and
// settings as the shipped starter recordings (American English, the smooth female variant,
// 130 words a minute, pitch 60, amplitude 120), mono 16-bit at the library's own rate.
//
// The library keeps one global state. It is set up by the first CSpeechVoice and stays set up
// for the rest of the process (its own shut-down can hang waiting for threads it never used);
// calls into it are serialised, so voices on different threads take turns.
class CSpeechVoice
{
public:
    static constexpr const char* kVoice = "en-us+f4";
    static constexpr int kSpeed = 130;
    static constexpr int kPitch = 60;
    static constexpr int kAmplitude = 120;

    CSpeechVoice();
    ~CSpeechVoice();
    CSpeechVoice(const CSpeechVoice&) = delete;
    CSpeechVoice& operator=(const CSpeechVoice&) = delete;

    // False when the library found no voice data or not this voice: the voice is silent then.
    bool isAvailable() const { return m_rate > 0; }
    int sampleRate() const { return m_rate; }

    // The text spoken, untrimmed; empty when the voice is not available or speaking failed.
    std::vector<int16_t> speak(const QString& text);

private:
    int m_rate = 0;
};
