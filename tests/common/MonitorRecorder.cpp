#include "common/MonitorRecorder.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

MonitorRecorder::~MonitorRecorder()
{
    stop();
}

bool MonitorRecorder::start(const char* server, const char* source, int fragmentMs)
{
    pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 2};
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.fragsize = uint32_t(fragmentMs * (kRate / 1000) * 4);
    int error = 0;
    m_pa = pa_simple_new(server, "recorder", PA_STREAM_RECORD, source, "monitor", &format, nullptr,
                         &attr, &error);
    if (!m_pa) {
        fprintf(stderr, "monitor: %s\n", pa_strerror(error));
        return false;
    }
    m_quit = false;
    m_thread = std::thread([this] { run(); });
    while (m_tid == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void MonitorRecorder::stop()
{
    m_quit = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_pa)
        pa_simple_free(m_pa);
    m_pa = nullptr;
}

qint64 MonitorRecorder::frames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return qint64(m_left.size());
}

double MonitorRecorder::frameTimeNs(qint64 i) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    double best = 1e300;
    const qint64 window = 3 * kRate;
    auto lo = std::lower_bound(m_reads.begin(), m_reads.end(), i - window,
                               [](const Read& r, qint64 f) { return r.endFrame < f; });
    for (auto it = lo; it != m_reads.end() && it->endFrame <= i + window; ++it)
        best = std::min(best, double(it->arrivalNs) - double(it->endFrame) * 1e9 / kRate);
    return best + double(i) * 1e9 / kRate;
}

qint64 MonitorRecorder::frameAt(qint64 ns) const
{
    // Two passes: the offset near the guessed frame.
    qint64 guess;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_reads.empty())
            return 0;
        const Read& last = m_reads.back();
        guess = last.endFrame - (last.arrivalNs - ns) * kRate / 1000000000;
    }
    const double t0 = frameTimeNs(guess);
    return guess + qint64(std::floor((double(ns) - t0) * kRate / 1e9));
}

std::vector<int16_t> MonitorRecorder::slice(qint64 from, qint64 to) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    from = std::clamp<qint64>(from, 0, qint64(m_left.size()));
    to = std::clamp<qint64>(to, from, qint64(m_left.size()));
    return std::vector<int16_t>(m_left.begin() + from, m_left.begin() + to);
}

void MonitorRecorder::run()
{
    m_tid = pid_t(syscall(SYS_gettid));
    constexpr int kReadFrames = kRate / 1000;
    int16_t buf[kReadFrames * 2];
    while (!m_quit) {
        int error = 0;
        if (pa_simple_read(m_pa, buf, sizeof buf, &error) < 0) {
            fprintf(stderr, "monitor read: %s\n", pa_strerror(error));
            return;
        }
        const qint64 t = nowNs();
        std::lock_guard<std::mutex> lock(m_mutex);
        for (int i = 0; i < kReadFrames; ++i)
            m_left.push_back(buf[i * 2]);
        m_reads.push_back(Read{qint64(m_left.size()), t});
    }
}
