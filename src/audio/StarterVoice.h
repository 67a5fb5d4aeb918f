#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <sys/types.h>
#include <thread>

// The starter voice: a recording of every item the play modes speak, in every language, kept
// apart from the parent's recordings, so that the program always knows which file is whose:
//
//   <data folder>/<Folder>/<Name>.wav                   the parent's recording
//   <base>/Starter/<language>/<Folder>/<Name>.wav        a starter recording
//
// where <base> is the data folder (recordings made while the program runs) or the program
// folder (those the installed program ships). A cue plays the parent's recording, else the
// current language's starter recording, else the English one (find()). Nothing here ever
// writes, moves or deletes a file in the parent's sound folders.
//
// Starter recordings are made on one worker thread, one after the other, in the order asked;
// each is spoken by pommelot-speak in a process of its own, trimmed and brought to -1 dBFS
// like the shipped ones, written beside its target and linked into place only if the name is
// still free. soundMade is emitted (from the worker; connect with a queued or auto connection)
// for each file written, progress after each recording of a language being made.
class CStarterVoice : public QObject
{
    Q_OBJECT
public:
    static CStarterVoice* instance();

    // Where the data folder and the program folder are; set by start-up.
    static void setFolders(const QString& dataFolder, const QString& programFolder);
    // The program that speaks one recording (default: pommelot-speak beside the program).
    static void setSpeaker(const QString& path);
    // <base>/Starter/<language>/<folder>/<name>.wav
    static QString starterPath(const QString& base, const QString& language, const QString& folder,
                               const QString& name);
    // The file a cue for path (<data folder>/<Folder>/<Name>.wav) plays: the parent's
    // recording, else the current language's starter recording, else the English one; each
    // found whatever the letter case of its name, and only if it is a readable sound file.
    // Empty when there is none.
    static QString find(const QString& path);
    // The current language's starter recording for path that find() would fall back to, or
    // empty.
    static QString findStarter(const QString& path, const QString& language);

    // Every item of the language (letters, numbers, colours, shapes, sum words, its starter
    // words and the given words of the parent's lists, as "Folder|Name|Text") that has no
    // starter recording yet is queued. Returns the number queued.
    int makeLanguage(const QString& language, const QStringList& items);
    // The items every language speaks, in the words the language uses for them: letters A to
    // Z (the language names them), numbers 1 to 10, colours, shapes and sum words.
    static QStringList languageItems(const QString& language);

    // Queues a starter recording of the word, in the current language, for the word whose
    // recording would be at path (<data folder>/<Folder>/<word>.wav). Returns false, queueing
    // nothing, when the parent has a recording there, the language already has one, the word
    // is blank or the voice is switched off.
    bool speakIfSilent(const QString& path, const QString& word);
    // Waits until every queued recording is done; false when msecs passed first.
    bool waitForIdle(int msecs);
    // Ends the worker at once: the recording it is making is abandoned (its speaker is ended,
    // no part of it is left behind), queued ones are dropped. Nothing can be queued after.
    void shutdown();

    // Progress of the language being made: recordings done, failed, and asked for since the
    // language was chosen.
    struct Progress
    {
        QString language;
        int done = 0;
        int failed = 0;
        int total = 0;
    };
    Progress progress() const;

    // On by default. Tests switch it off so that a word without a recording stays silent; the
    // shipped program never does.
    static void setEnabled(bool enabled);
    static bool isEnabled();

Q_SIGNALS:
    void soundMade(const QString& path);
    void progressChanged();

private:
    struct Job
    {
        QString language;
        QString target;
        QString text;
    };
    CStarterVoice() = default;
    ~CStarterVoice() override;
    bool queue(const QString& language, const QString& folder, const QString& name,
               const QString& text);
    void run();
    bool make(const Job& job);
    // Runs the speaker for one recording; true when it wrote out.
    bool runSpeaker(const QString& speaker, const QString& voice, const QString& text,
                    const QString& out);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_queue;
    Progress m_progress;
    bool m_busy = false;
    bool m_stop = false;
    pid_t m_speaker = 0; // the speaker making a recording now
    std::thread m_thread;
};
