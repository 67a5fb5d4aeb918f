#pragma once

#include "app/PommelotApp.h"

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// Every test program runs inside a CPommelotApp whose program folder is a fresh temporary
// folder (start-up creates the seven sound folders in it; there are no lists), and no main
// window.
namespace TestApp {
// The temporary program folder of this test program.
QString programFolder();
// Writes a short 16-bit PCM WAV (mono, 44.1 kHz) of `frames` samples, each sample = value,
// to path (folders are created). Returns false on failure.
bool writeWav(const QString& path, int frames, short value = 1000, int rate = 44100,
              int channels = 1);
// Raw 16-bit mono 44.1 kHz samples of a sine tone, as SDL's disk driver hands them to a
// recorder from SDL_DISKAUDIOFILEIN.
QByteArray toneS16(double seconds, double amplitude, double frequency = 440.0);
// Replaces a word list file's bytes.
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
} // namespace TestApp

// prepare, when given, runs after the temporary program folder exists and before
// InitInstance (files a test wants present at start-up).
using PrepareFn = void (*)(const QString& programFolder);
int runTestObject(int argc, char** argv, QObject* test, bool createWindow,
                  PrepareFn prepare = nullptr);

#define POMMELOT_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestObject tc;                                                                             \
        return runTestObject(argc, argv, &tc, false);                                              \
    }

// The same, but InitInstance also builds and shows the main frame with its view.
#define POMMELOT_TEST_MAIN_WINDOW(TestObject)                                                      \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestObject tc;                                                                             \
        return runTestObject(argc, argv, &tc, true);                                               \
    }

// With a window, and prepare() run before start-up.
#define POMMELOT_TEST_MAIN_WINDOW_PREPARED(TestObject, prepare)                                    \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestObject tc;                                                                             \
        return runTestObject(argc, argv, &tc, true, prepare);                                      \
    }
