#include "audio/SoundTrim.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace SoundTrim {
namespace {
constexpr double kFullScale = 32768.0;
// The window the level is measured over, and the run of sound that starts a word.
constexpr int kWindowsPerSecond = 50; // 20 ms
constexpr int kRunsPerSecond = 100;   // 10 ms

// Index, counted from the first sample in the direction of step, of the first sample of the
// first run that sounds; count when there is none.
size_t firstSounding(const std::vector<int16_t>& samples, int rate, double threshold, bool back)
{
    const size_t count = samples.size();
    const size_t window = std::max<size_t>(1, size_t(rate / kWindowsPerSecond));
    const size_t run = std::max<size_t>(1, size_t(rate / kRunsPerSecond));
    // The window starts out filled with silence.
    std::vector<double> squares(window, 0.0);
    size_t slot = 0;
    double sum = 0.0;
    size_t runStart = 0;
    size_t runLength = 0;
    const double limit = threshold * threshold * double(window);
    for (size_t i = 0; i < count; ++i) {
        const double s = double(samples[back ? count - 1 - i : i]) / kFullScale;
        sum += s * s - squares[slot];
        squares[slot] = s * s;
        slot = (slot + 1) % window;
        // The running sum drifts a little below zero after long silence; that is silence too.
        if (sum > limit) {
            if (runLength++ == 0)
                runStart = i;
            if (runLength >= run)
                return runStart;
        } else {
            runLength = 0;
        }
    }
    return count;
}
} // namespace

std::pair<size_t, size_t> soundingRange(const std::vector<int16_t>& samples, int rate,
                                        double threshold)
{
    const size_t begin = firstSounding(samples, rate, threshold, false);
    if (begin >= samples.size())
        return {samples.size(), samples.size()};
    const size_t fromEnd = firstSounding(samples, rate, threshold, true);
    const size_t end = samples.size() - fromEnd;
    return end > begin ? std::make_pair(begin, end) : std::make_pair(begin, begin);
}

void trimSilence(std::vector<int16_t>& samples, int rate, double threshold)
{
    const auto [begin, end] = soundingRange(samples, rate, threshold);
    samples.erase(samples.begin() + std::ptrdiff_t(end), samples.end());
    samples.erase(samples.begin(), samples.begin() + std::ptrdiff_t(begin));
}

int peak(const std::vector<int16_t>& samples)
{
    int p = 0;
    for (int16_t s : samples)
        p = std::max(p, std::abs(int(s)));
    return p;
}

void normalise(std::vector<int16_t>& samples, double peakDb)
{
    const int p = peak(samples);
    if (p == 0)
        return;
    const double target = std::pow(10.0, peakDb / 20.0) * (kFullScale - 1.0);
    const double gain = target / double(p);
    for (int16_t& s : samples) {
        const long v = std::lround(double(s) * gain);
        s = int16_t(std::clamp<long>(v, -32768, 32767));
    }
}

bool finishTake(std::vector<int16_t>& samples, int rate)
{
    const auto [begin, end] = soundingRange(samples, rate);
    if (begin >= end)
        return false;
    int p = 0;
    for (size_t i = begin; i < end; ++i)
        p = std::max(p, std::abs(int(samples[i])));
    if (double(p) < kQuietestPeak * kFullScale)
        return false;
    samples.erase(samples.begin() + std::ptrdiff_t(end), samples.end());
    samples.erase(samples.begin(), samples.begin() + std::ptrdiff_t(begin));
    normalise(samples);
    return true;
}

} // namespace SoundTrim
