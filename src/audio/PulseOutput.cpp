#include "audio/PulseOutput.h"

#include <QCoreApplication>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>
#include <utility>

namespace {
constexpr int kRate = 48000;
constexpr int kFrameBytes = 4;
// How long connecting or opening may take before the server counts as not answering.
constexpr pa_usec_t kAnswerUsec = 3 * PA_USEC_PER_SEC;

pa_sample_spec streamFormat()
{
    pa_sample_spec format{};
    format.format = PA_SAMPLE_S16NE;
    format.rate = kRate;
    format.channels = 2;
    return format;
}

uint32_t bytesOf(int ms)
{
    return uint32_t(ms) * (kRate / 1000) * kFrameBytes;
}
} // namespace

CPulseOutput::CPulseOutput(Source source, FailureHandler onFailure)
    : m_source(std::move(source)), m_onFailure(std::move(onFailure))
{
}

CPulseOutput::~CPulseOutput()
{
    if (!m_loop)
        return;
    close();
    pa_threaded_mainloop_lock(m_loop);
    disconnectContext();
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

bool CPulseOutput::connect()
{
    if (!m_loop) {
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop)
            return false;
        if (pa_threaded_mainloop_start(m_loop) < 0) {
            pa_threaded_mainloop_free(m_loop);
            m_loop = nullptr;
            return false;
        }
    }
    pa_threaded_mainloop_lock(m_loop);
    if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        pa_threaded_mainloop_unlock(m_loop);
        return true;
    }
    disconnectContext();
    QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (name.isEmpty())
        name = "Pommelot";
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), name.constData());
    bool ok = m_context != nullptr;
    if (ok) {
        pa_context_set_state_callback(m_context, &CPulseOutput::contextStateChanged, this);
        // Never start a server: where none runs, the program's other outputs are used.
        ok = pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    }
    if (ok) {
        waitForServer(kAnswerUsec, [this] {
            const pa_context_state_t state = pa_context_get_state(m_context);
            return !PA_CONTEXT_IS_GOOD(state) || state == PA_CONTEXT_READY;
        });
        ok = pa_context_get_state(m_context) == PA_CONTEXT_READY;
    }
    if (!ok)
        disconnectContext();
    pa_threaded_mainloop_unlock(m_loop);
    return ok;
}

bool CPulseOutput::isConnected() const
{
    if (!m_loop)
        return false;
    pa_threaded_mainloop_lock(m_loop);
    const bool ready = m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(m_loop);
    return ready;
}

void CPulseOutput::disconnectContext()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

bool CPulseOutput::open(int targetMs, int refillMs)
{
    if (!isConnected() && !connect())
        return false;
    pa_threaded_mainloop_lock(m_loop);
    if (m_stream) {
        pa_threaded_mainloop_unlock(m_loop);
        return true;
    }
    const pa_sample_spec format = streamFormat();
    m_stream = pa_stream_new(m_context, "Sound", &format, nullptr);
    if (!m_stream) {
        pa_threaded_mainloop_unlock(m_loop);
        return false;
    }
    m_started = false;
    m_draining = false;
    m_failed = false;
    pa_stream_set_state_callback(m_stream, &CPulseOutput::streamStateChanged, this);
    pa_stream_set_write_callback(m_stream, &CPulseOutput::streamWritable, this);
    pa_stream_set_underflow_callback(m_stream, &CPulseOutput::streamUnderflow, this);

    // The target is the whole latency (stream and device, PA_STREAM_ADJUST_LATENCY), so the
    // server shares it out as the device allows. Playback starts once a refill's worth is
    // there, which the first write, for the whole target, always is; after running dry it
    // restarts as soon.
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = bytesOf(targetMs);
    attr.minreq = bytesOf(refillMs);
    attr.prebuf = attr.minreq;
    attr.fragsize = uint32_t(-1);
    bool ok = pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY,
                                         nullptr, nullptr) >= 0;
    if (ok) {
        waitForServer(kAnswerUsec, [this] {
            const pa_stream_state_t state = pa_stream_get_state(m_stream);
            return !PA_STREAM_IS_GOOD(state) || state == PA_STREAM_READY;
        });
        ok = pa_stream_get_state(m_stream) == PA_STREAM_READY;
    }
    m_started = ok;
    if (ok) {
        // The server asks for the whole target as the stream becomes ready; libpulse calls
        // the write callback then, but what it asked is written here at the latest, so the
        // stream has started with the source's first samples when this returns.
        const size_t writable = pa_stream_writable_size(m_stream);
        if (writable != size_t(-1))
            writeRequested(writable);
    } else {
        m_draining = true; // nothing more is written or reported
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    pa_threaded_mainloop_unlock(m_loop);
    return ok;
}

void CPulseOutput::close()
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    if (!m_stream) {
        pa_threaded_mainloop_unlock(m_loop);
        return;
    }
    // From here on nothing more is written: the drain ends once the server has played what
    // it holds.
    m_draining = true;
    if (pa_stream_get_state(m_stream) == PA_STREAM_READY) {
        const pa_buffer_attr* attr = pa_stream_get_buffer_attr(m_stream);
        const pa_sample_spec format = streamFormat();
        const pa_usec_t held = attr ? pa_bytes_to_usec(attr->tlength, &format) : 0;
        m_drained = false;
        pa_operation* drain = pa_stream_drain(m_stream, &CPulseOutput::drainDone, this);
        if (drain) {
            waitForServer(2 * held + PA_USEC_PER_SEC / 2, [this, drain] {
                return m_drained || pa_stream_get_state(m_stream) != PA_STREAM_READY ||
                       pa_operation_get_state(drain) != PA_OPERATION_RUNNING;
            });
            if (pa_operation_get_state(drain) == PA_OPERATION_RUNNING)
                pa_operation_cancel(drain);
            pa_operation_unref(drain);
        }
    }
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
    pa_threaded_mainloop_unlock(m_loop);
}

bool CPulseOutput::isOpen() const
{
    if (!m_loop)
        return false;
    pa_threaded_mainloop_lock(m_loop);
    const bool open = m_stream != nullptr;
    pa_threaded_mainloop_unlock(m_loop);
    return open;
}

CPulseOutput::Buffering CPulseOutput::buffering() const
{
    Buffering b;
    if (!m_loop)
        return b;
    pa_threaded_mainloop_lock(m_loop);
    const pa_buffer_attr* attr = m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY
                                     ? pa_stream_get_buffer_attr(m_stream)
                                     : nullptr;
    if (attr) {
        b.targetFrames = int(attr->tlength / kFrameBytes);
        b.refillFrames = int(attr->minreq / kFrameBytes);
        b.prebufFrames = int(attr->prebuf / kFrameBytes);
    }
    pa_threaded_mainloop_unlock(m_loop);
    return b;
}

int CPulseOutput::underflows() const
{
    if (!m_loop)
        return 0;
    pa_threaded_mainloop_lock(m_loop);
    const int n = m_underflows;
    pa_threaded_mainloop_unlock(m_loop);
    return n;
}

void CPulseOutput::writeRequested(size_t bytes)
{
    while (!m_draining && m_stream && bytes >= size_t(kFrameBytes)) {
        void* data = nullptr;
        size_t n = bytes - bytes % kFrameBytes;
        if (pa_stream_begin_write(m_stream, &data, &n) < 0 || !data)
            return;
        n -= n % kFrameBytes;
        if (n == 0) {
            pa_stream_cancel_write(m_stream);
            return;
        }
        m_source(static_cast<int16_t*>(data), int(n / kFrameBytes));
        if (pa_stream_write(m_stream, data, n, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= n;
    }
}

void CPulseOutput::contextStateChanged(pa_context*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<CPulseOutput*>(self)->m_loop, 0);
}

void CPulseOutput::streamStateChanged(pa_stream* stream, void* self)
{
    auto* out = static_cast<CPulseOutput*>(self);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    // A stream that fails once it has started leaves its sound unplayed: the owner decides
    // what becomes of it. One that fails while opening is reported by open().
    if (!PA_STREAM_IS_GOOD(state) && stream == out->m_stream && out->m_started &&
        !out->m_draining && !out->m_failed) {
        out->m_failed = true;
        if (out->m_onFailure)
            out->m_onFailure();
    }
    pa_threaded_mainloop_signal(out->m_loop, 0);
}

void CPulseOutput::streamWritable(pa_stream*, size_t bytes, void* self)
{
    static_cast<CPulseOutput*>(self)->writeRequested(bytes);
}

void CPulseOutput::streamUnderflow(pa_stream*, void* self)
{
    // A stream that is being drained runs empty on purpose.
    auto* out = static_cast<CPulseOutput*>(self);
    if (!out->m_draining)
        ++out->m_underflows;
}

void CPulseOutput::drainDone(pa_stream*, int, void* self)
{
    auto* out = static_cast<CPulseOutput*>(self);
    out->m_drained = true;
    pa_threaded_mainloop_signal(out->m_loop, 0);
}

void CPulseOutput::waitForServer(std::uint64_t usec, const std::function<bool()>& settled)
{
    m_deadline = false;
    pa_time_event* deadline = pa_context_rttime_new(m_context, pa_rtclock_now() + usec,
                                                    &CPulseOutput::deadlinePassed, this);
    while (!settled() && !m_deadline)
        pa_threaded_mainloop_wait(m_loop);
    if (deadline)
        pa_threaded_mainloop_get_api(m_loop)->time_free(deadline);
}

void CPulseOutput::deadlinePassed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    auto* out = static_cast<CPulseOutput*>(self);
    out->m_deadline = true;
    pa_threaded_mainloop_signal(out->m_loop, 0);
}
