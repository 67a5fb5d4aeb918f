#include "app/DataFolder.h"
#include "common/TestApp.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestDataFolder : public QObject
{
    Q_OBJECT

private:
    // Writes a small text file standing in for a recording or list.
    static void put(const QString& path, const QByteArray& bytes)
    {
        QVERIFY2(TestApp::writeFile(path, bytes), qPrintable(path));
    }

    // A program folder as an install lays it out.
    static void makeShipped(const QString& from)
    {
        put(from + QStringLiteral("/Colors/Red.wav"), "shipped red");
        put(from + QStringLiteral("/Colors/Blue.wav"), "shipped blue");
        put(from + QStringLiteral("/Letters/A.wav"), "shipped A");
        put(from + QStringLiteral("/Bird/I can fly.wav"), "shipped fly");
        put(from + QStringLiteral("/Default.wdl"), QByteArray("\x03"
                                                              "cat\x03"
                                                              "dog"));
        put(from + QStringLiteral("/Bird.wdl"), QByteArray("\x05hello"));
        // Not data: the program, its help, the marker, stray files.
        put(from + QStringLiteral("/pommelot"), "program");
        put(from + QStringLiteral("/Help/Pommelot.htm"), "<html></html>");
        put(from + QLatin1Char('/') + QLatin1String(DataFolder::kInstalledMarker), "marker");
        put(from + QStringLiteral("/Colors/readme.txt"), "not a sound");
        put(from + QStringLiteral("/Colors/.hidden.wav"), "hidden");
        put(from + QStringLiteral("/Pictures/cat.wav"), "not a sound folder");
    }

    static QStringList allFiles(const QString& root)
    {
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
        files.sort();
        return files;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void chooseKeepsAWritableProgramFolder()
    {
        QTemporaryDir program;
        QCOMPARE(DataFolder::choose(program.path()), program.path());
    }

    void chooseSendsAnInstalledCopyToTheUserDataFolder()
    {
        QTemporaryDir program;
        put(program.filePath(QLatin1String(DataFolder::kInstalledMarker)), "");
        const QString chosen = DataFolder::choose(program.path());
        QCOMPARE(chosen, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY2(chosen.endsWith(QStringLiteral("/Quorvex Pommelot/Pommelot")), qPrintable(chosen));
        QVERIFY(!chosen.startsWith(program.path()));
    }

    void chooseSendsAnUnwritableProgramFolderToTheUserDataFolder()
    {
        if (geteuid() == 0)
            QSKIP("root can write to any folder");
        QTemporaryDir program;
        QVERIFY(
            QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString chosen = DataFolder::choose(program.path());
        QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        QCOMPARE(chosen, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }

    void seedCopiesOnlyTheShippedSoundsAndLists()
    {
        QTemporaryDir from, to;
        makeShipped(from.path());
        const QString target = to.filePath(QStringLiteral("deep/data"));

        QCOMPARE(DataFolder::seed(from.path(), target), 6);

        const QStringList expected = {
            QStringLiteral("Bird.wdl"),        QStringLiteral("Bird/I can fly.wav"),
            QStringLiteral("Colors/Blue.wav"), QStringLiteral("Colors/Red.wav"),
            QStringLiteral("Default.wdl"),     QStringLiteral("Letters/A.wav")};
        QCOMPARE(allFiles(target), expected);
        for (const QString& file : expected)
            QCOMPARE(TestApp::readFile(target + QLatin1Char('/') + file),
                     TestApp::readFile(from.path() + QLatin1Char('/') + file));
    }

    void seedNeverOverwritesAndIgnoresLetterCase()
    {
        QTemporaryDir from, to;
        makeShipped(from.path());
        put(to.filePath(QStringLiteral("Colors/Red.wav")), "parent red");
        put(to.filePath(QStringLiteral("Colors/blue.WAV")), "parent blue");
        put(to.filePath(QStringLiteral("Default.wdl")), QByteArray("\x04"
                                                                   "frog"));

        QCOMPARE(DataFolder::seed(from.path(), to.path()), 3);

        QCOMPARE(TestApp::readFile(to.filePath(QStringLiteral("Colors/Red.wav"))),
                 QByteArray("parent red"));
        QCOMPARE(TestApp::readFile(to.filePath(QStringLiteral("Colors/blue.WAV"))),
                 QByteArray("parent blue"));
        QVERIFY(!QFile::exists(to.filePath(QStringLiteral("Colors/Blue.wav"))));
        QCOMPARE(TestApp::readFile(to.filePath(QStringLiteral("Default.wdl"))), QByteArray("\x04"
                                                                                           "frog"));
        QCOMPARE(TestApp::readFile(to.filePath(QStringLiteral("Bird.wdl"))),
                 QByteArray("\x05hello"));
    }

    void seedAgainChangesNothing()
    {
        QTemporaryDir from, to;
        makeShipped(from.path());
        QCOMPARE(DataFolder::seed(from.path(), to.path()), 6);
        const QString red = to.filePath(QStringLiteral("Colors/Red.wav"));
        put(red, "recorded by a parent");
        const QDateTime stamp = QDateTime::currentDateTime().addSecs(-3600);
        QFile f(red);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        f.close();

        QCOMPARE(DataFolder::seed(from.path(), to.path()), 0);
        QCOMPARE(TestApp::readFile(red), QByteArray("recorded by a parent"));
        QCOMPARE(QFileInfo(red).lastModified(), stamp);
        QCOMPARE(allFiles(to.path()).size(), 6);

        // A recording the parent removed comes back from the shipped files, nothing else.
        QVERIFY(QFile::remove(to.filePath(QStringLiteral("Letters/A.wav"))));
        QCOMPARE(DataFolder::seed(from.path(), to.path()), 1);
        QCOMPARE(TestApp::readFile(red), QByteArray("recorded by a parent"));
    }

    void seededCopiesOfReadOnlyFilesCanBeRecordedOver()
    {
        QTemporaryDir from, to;
        makeShipped(from.path());
        const QString shipped = from.filePath(QStringLiteral("Colors/Red.wav"));
        QVERIFY(QFile::setPermissions(shipped, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::ReadOther));
        QVERIFY(DataFolder::seed(from.path(), to.path()) > 0);
        const QFileDevice::Permissions p =
            QFile::permissions(to.filePath(QStringLiteral("Colors/Red.wav")));
        QVERIFY(p.testFlag(QFileDevice::WriteOwner));
        QVERIFY(p.testFlag(QFileDevice::ReadOwner));
    }

    void seedLeavesNoPartFilesAndIgnoresStaleOnes()
    {
        QTemporaryDir from, to;
        makeShipped(from.path());
        // Left over from an interrupted start.
        put(to.filePath(QStringLiteral("Colors/.Red.wav.part")), "half");
        QCOMPARE(DataFolder::seed(from.path(), to.path()), 6);
        QCOMPARE(TestApp::readFile(to.filePath(QStringLiteral("Colors/Red.wav"))),
                 QByteArray("shipped red"));
        for (const QString& file : allFiles(to.path()))
            QVERIFY2(!file.endsWith(QStringLiteral(".part")), qPrintable(file));
    }

    void seedOfAFolderOntoItselfOrFromNothingCopiesNothing()
    {
        QTemporaryDir from, to;
        makeShipped(from.path());
        QCOMPARE(DataFolder::seed(from.path(), from.path()), 0);
        QCOMPARE(DataFolder::seed(from.filePath(QStringLiteral("missing")), to.path()), 0);
        QCOMPARE(DataFolder::seed(QString(), to.path()), 0);
        QCOMPARE(DataFolder::seed(from.path(), QString()), 0);
        QCOMPARE(allFiles(to.path()), QStringList());
    }
};

POMMELOT_TEST_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
