#include "common/TestApp.h"
#include "wordlist/ListFile.h"
#include "wordlist/WordList.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray catDogBytes()
{
    return QByteArray::fromHex("03636174 03646f67");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Runs `work` in a child process as an unprivileged user (nobody, when the tests run as root,
// where folder permissions would not bite), with TMPDIR = tmp and, when given, a file-size
// limit (a write past it fails, as on a full disk). Returns work's result, or -1 when the
// child could not run it.
int runUnprivileged(const QString& tmp, const std::function<bool()>& work,
                    rlim_t fileSizeLimit = RLIM_INFINITY)
{
    const QByteArray tmpName = QFile::encodeName(tmp);
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::setenv("TMPDIR", tmpName.constData(), 1);
        if (::geteuid() == 0) {
            const uid_t nobody = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                ::_exit(3);
        }
        if (fileSizeLimit != RLIM_INFINITY) {
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = fileSizeLimit;
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(3);
        }
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return -1;
    return WEXITSTATUS(status) == 0 ? 1 : 0;
}
} // namespace

// Reading and writing list files: nothing but regular files of a sane size is read, nothing
// but regular files is written, a folder that allows no new files still takes the list in
// place, and no temporary file is ever left behind.
class TestListFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_lists; // the list folder
    QString m_tmp;   // TMPDIR of the unprivileged writer

    QString listFile() const { return m_lists + QStringLiteral("/Default.wdl"); }

    // The list folder allows no new files to the unprivileged writer; the list file itself
    // is writable to it or not.
    void lockFolder(bool fileWritable)
    {
        const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                        QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        const auto ro = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(listFile(), fileWritable ? rw : ro));
        QVERIFY(QFile::setPermissions(m_lists,
                                      ro | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // The unprivileged writer must reach the folders.
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther));
        m_lists = m_dir->path() + QStringLiteral("/lists");
        m_tmp = m_dir->path() + QStringLiteral("/tmp");
        QVERIFY(QDir().mkpath(m_lists));
        QVERIFY(QDir().mkpath(m_tmp));
        QVERIFY(QFile::setPermissions(m_tmp, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadOther |
                                                 QFile::WriteOther | QFile::ExeOther));
        QVERIFY(TestApp::writeFile(listFile(), catDogBytes()));
    }
    void cleanup()
    {
        QFile::setPermissions(m_lists, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
    }

    // A FIFO would hang the open, a device would never end; neither is read.
    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("folder") << "folder";
    }
    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, kind);
        QVERIFY(QFile::remove(listFile()));
        const QByteArray name = QFile::encodeName(listFile());
        if (kind == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "zero")
            QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        else
            QVERIFY(QDir().mkdir(listFile()));

        QByteArray bytes("old");
        QCOMPARE(ListFile::read(listFile(), bytes), ListFile::ReadResult::NotRegular);
        QVERIFY(bytes.isEmpty());

        // A list on such a file starts empty, and neither saving nor ending it touches the
        // file; nothing is written to or beside it even after an edit.
        {
            WordList list(QStringLiteral("Default"), QStringLiteral("Words"), m_lists);
            QCOMPARE(list.GetCount(), 0);
            QVERIFY(!list.Save());
            list.AddWord(QStringLiteral("cat"));
            QVERIFY(!list.Save());
        }
        struct stat st = {};
        QCOMPARE(::lstat(name.constData(), &st), 0);
        if (kind == "fifo")
            QVERIFY(S_ISFIFO(st.st_mode));
        else if (kind == "zero")
            QVERIFY(S_ISLNK(st.st_mode));
        else
            QVERIFY(S_ISDIR(st.st_mode));
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
        QVERIFY(!ListFile::write(listFile(), catDogBytes()));
    }

    void sizeIsCapped()
    {
        // Up to the cap the whole file is read; one byte more and it is refused whole.
        const QByteArray atCap(4096, '\x01');
        QVERIFY(TestApp::writeFile(listFile(), atCap));
        QByteArray bytes;
        QCOMPARE(ListFile::read(listFile(), bytes, 4096), ListFile::ReadResult::Read);
        QCOMPARE(bytes, atCap);
        QVERIFY(TestApp::writeFile(listFile(), atCap + 'x'));
        QCOMPARE(ListFile::read(listFile(), bytes, 4096), ListFile::ReadResult::TooLarge);
        QVERIFY(bytes.isEmpty());

        // A 100 MB damaged file (sparse: no disk needed) gives an empty list and stays as it
        // is unless the list is edited.
        const qint64 huge = 100 * 1024 * 1024;
        QVERIFY(TestApp::writeFile(listFile(), catDogBytes()));
        QCOMPARE(::truncate(QFile::encodeName(listFile()).constData(), huge), 0);
        {
            WordList list(QStringLiteral("Default"), QStringLiteral("Words"), m_lists);
            QCOMPARE(list.GetCount(), 0);
            QVERIFY(!list.Save());
        }
        QCOMPARE(QFileInfo(listFile()).size(), huge);
        QCOMPARE(TestApp::readFile(listFile()).left(8), catDogBytes());
        {
            WordList list(QStringLiteral("Default"), QStringLiteral("Words"), m_lists);
            list.AddWord(QStringLiteral("eel"));
        }
        QCOMPARE(TestApp::readFile(listFile()), QByteArray::fromHex("0365656c"));
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
    }

    void missingFileIsCreatedOnWrite()
    {
        QVERIFY(QFile::remove(listFile()));
        QByteArray bytes;
        QCOMPARE(ListFile::read(listFile(), bytes), ListFile::ReadResult::Missing);
        // Writing creates it.
        QVERIFY(ListFile::write(listFile(), catDogBytes()));
        QCOMPARE(TestApp::readFile(listFile()), catDogBytes());
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
    }

    // A folder that allows no new files, with a writable list file: the list is written in
    // place, the backup goes again, nothing is left behind.
    void readOnlyFolderTakesTheListInPlace_data()
    {
        QTest::addColumn<QByteArray>("newBytes");
        QTest::newRow("longer") << QByteArray::fromHex("03636174 03646f67 03656c6b");
        QTest::newRow("shorter") << QByteArray::fromHex("03656c6b");
        QTest::newRow("empty") << QByteArray();
    }
    void readOnlyFolderTakesTheListInPlace()
    {
        QFETCH(QByteArray, newBytes);
        lockFolder(true);
        const QString path = listFile();
        // The ordinary atomic replacement cannot work here.
        QCOMPARE(runUnprivileged(m_tmp, [&] { return ListFile::write(path, newBytes); }), 1);
        QCOMPARE(TestApp::readFile(path), newBytes);
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
        QCOMPARE(entries(m_tmp), QStringList());
    }

    // Through the list itself: edits made and then the program left are not lost.
    void editsReachAListInAReadOnlyFolder()
    {
        lockFolder(true);
        const QString lists = m_lists;
        QCOMPARE(runUnprivileged(m_tmp,
                                 [&] {
                                     WordList list(QStringLiteral("Default"),
                                                   QStringLiteral("Words"), lists);
                                     list.RemoveWord(0);
                                     list.AddWord(QStringLiteral("eel"));
                                     return list.GetCount() == 2;
                                 }),
                 1);
        QCOMPARE(TestApp::readFile(listFile()), QByteArray::fromHex("03646f67 0365656c"));
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
        QCOMPARE(entries(m_tmp), QStringList());
    }

    // A write that stops part way (a file-size limit, as a full disk would) puts the old
    // list back from the backup, and removes the backup.
    void failedInPlaceWriteRestoresTheOldList()
    {
        lockFolder(true);
        const QString path = listFile();
        const QByteArray big(8192, '\x03');
        QCOMPARE(runUnprivileged(
                     m_tmp, [&] { return ListFile::write(path, big); }, 1024),
                 0);
        QCOMPARE(TestApp::readFile(path), catDogBytes());
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
        QCOMPARE(entries(m_tmp), QStringList());
    }

    void readOnlyFileInReadOnlyFolderStaysAsItIs()
    {
        lockFolder(false);
        const QString path = listFile();
        QCOMPARE(runUnprivileged(m_tmp, [&] { return ListFile::write(path, QByteArray("x")); }), 0);
        QCOMPARE(TestApp::readFile(path), catDogBytes());
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
        QCOMPARE(entries(m_tmp), QStringList());
    }

    // In a writable folder a failed write leaves neither a cut list nor a temporary file.
    void failedReplacementLeavesNothingBehind()
    {
        const QString path = listFile();
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                         QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QVERIFY(QFile::setPermissions(path, all));
        QVERIFY(QFile::setPermissions(m_lists,
                                      all | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
        QCOMPARE(runUnprivileged(
                     m_tmp, [&] { return ListFile::write(path, QByteArray(8192, '\x03')); }, 1024),
                 0);
        QCOMPARE(TestApp::readFile(path), catDogBytes());
        QCOMPARE(entries(m_lists), QStringList{QStringLiteral("Default.wdl")});
    }
};

POMMELOT_TEST_MAIN(TestListFile)
#include "tst_listfile.moc"
