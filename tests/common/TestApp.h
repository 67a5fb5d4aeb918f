#pragma once

#include "app/PommelotApp.h"

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// Every test program runs inside a CPommelotApp whose program folder is a fresh temporary
// folder (with the seven sound folders and empty lists), and no main window.
namespace TestApp {
// The temporary program folder of this test program.
QString programFolder();
// Writes a short 16-bit PCM WAV (mono, 44.1 kHz) of `frames` samples, each sample = value,
// to path (folders are created). Returns false on failure.
bool writeWav(const QString& path, int frames, short value = 1000, int rate = 44100,
              int channels = 1);
// Replaces a word list file's bytes.
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
} // namespace TestApp

int runTestObject(int argc, char** argv, QObject* test, bool createWindow);

#define POMMELOT_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestObject tc;                                                                             \
        return runTestObject(argc, argv, &tc, false);                                              \
    }
