#pragma once

#include <QEvent>
#include <QObject>
#include <QString>
#include <memory>

// Posted to the receiver of CAudioManager::Record when a recording has ended, successfully or
// not, so that a page never stays waiting.
class RecordDoneEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::Type(3246);
    RecordDoneEvent(bool ok, const QString& error) : QEvent(kType), m_ok(ok), m_error(error) {}
    bool ok() const { return m_ok; }
    // One line for a parent, e.g. "No microphone was found."; empty when ok.
    QString error() const { return m_error; }

private:
    bool m_ok;
    QString m_error;
};

// One independent player and recorder. Every activity and every Settings page owns one.
//
// Play queues a .wav file and returns at once; queued files are heard one after the other, in
// call order, each in full, and queueDrained() is emitted when the last has finished. Any WAV
// that libsndfile reads plays (converted to 48 kHz stereo 16-bit) if it can be a voice: 4 to
// 192 kHz, one or two channels, at most 30 s (CWavDecoder). A missing, empty, corrupt or
// non-WAV file, one outside those limits, an empty path, a directory or a missing device is
// silent and the queue moves on. A path whose exact file is missing is looked up
// case-insensitively in its folder, on the output's worker thread. Decoded sounds are kept
// (up to 16 MB) for the next press, and played again only while their file is unchanged.
//
// Record(seconds, path, receiver, callback) records from the default input for that many
// seconds (or until Stop), trims the silence around the take and brings its peak to -1 dBFS,
// writes a 16-bit PCM mono 44.1 kHz WAV to exactly that path, replacing an old file only once
// the new one is complete, then posts a RecordDoneEvent to the receiver (also after a
// failure). A take that holds only silence is refused and the old file kept. The callback is
// unused and may be null.
//
// cancelRecording() (and destroying the player) throws away a take that has not run its
// length: the old file stays as it was, byte for byte.
class CAudioManager : public QObject
{
    Q_OBJECT
public:
    explicit CAudioManager(QObject* parent = nullptr);
    ~CAudioManager() override;

    void Play(const QString& path);
    void Stop();
    void Record(int seconds, const QString& path, QObject* receiver, void* callback);
    // Ends a recording in progress and waits for it; a take that has not run its length is
    // thrown away. No RecordDoneEvent follows. Returns false when no recording ran, or when
    // the take had already run its length and was kept.
    bool cancelRecording();

    // True while something is queued or playing.
    bool isPlaying() const;
    // True while a recording runs.
    bool isRecording() const;

    // Resolves a cue path: the exact file if it exists, else a file in the same folder whose
    // name matches without regard to case; empty if there is none.
    static QString resolvePath(const QString& path);

Q_SIGNALS:
    // Everything handed to Play has been heard (or skipped); emitted on the UI thread.
    void queueDrained();
    // While recording, about 20 times a second: elapsed milliseconds and the peak level of
    // the last block, 0..1. Emitted on the UI thread.
    void recordProgress(int elapsedMs, float peak);

private Q_SLOTS:
    // Queued by name from the output and recording threads.
    void onEngineDrained();
    // serial: the recording's number, so that the end of a cancelled one is ignored.
    void finishRecording(quint64 serial);

private:
    void reportProgress();

    struct Impl;
    std::unique_ptr<Impl> d;
};
