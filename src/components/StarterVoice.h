#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

class CSpeechVoice;

// Gives every word a voice at once: speakIfSilent(path, word) makes a starter recording of the
// word at path, in the background, when no recording exists there in any letter case. The
// recording is spoken by CSpeechVoice, trimmed and brought to -1 dBFS like the shipped starter
// files, and written beside the target, then linked into place only if the name is still free:
// a parent's recording always wins and is never touched. Without the speech library's data the
// word stays silent.
//
// One worker thread speaks the words one after the other, in the order asked; it starts with
// the first request. soundMade is emitted (from the worker; connect with a queued or auto
// connection) for each file written.
class CStarterVoice : public QObject
{
    Q_OBJECT
public:
    static CStarterVoice* instance();

    // Queues the word. Returns false, queueing nothing, when a recording already exists at
    // path (any letter case), the word is blank or the voice is switched off.
    bool speakIfSilent(const QString& path, const QString& word);
    // Waits until every queued word is done; false when msecs passed first.
    bool waitForIdle(int msecs);
    // Ends the worker after the word it is speaking; queued words are dropped. Called at exit.
    void shutdown();

    // On by default. Tests switch it off so that a word without a recording stays silent; the
    // shipped program never does.
    static void setEnabled(bool enabled);
    static bool isEnabled();

Q_SIGNALS:
    void soundMade(const QString& path);

private:
    CStarterVoice() = default;
    ~CStarterVoice() override;
    void run();
    bool writeIfFree(const QString& path, const QString& word, CSpeechVoice& voice);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<QString, QString>> m_queue;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
