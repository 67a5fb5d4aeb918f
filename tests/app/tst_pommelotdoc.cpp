#include "app/PommelotDoc.h"
#include "common/TestApp.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

// The empty document: saving writes no data, so it never truncates or replaces anything.
class TestPommelotDoc : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void untitledUntilSaved()
    {
        CPommelotDoc doc;
        QCOMPARE(doc.GetTitle(), QStringLiteral("Untitled"));
        QVERIFY(doc.GetPathName().isEmpty());
        // A missing file is created, empty.
        QVERIFY(doc.OnSaveDocument(path("new.pom")));
        QCOMPARE(QFileInfo(path("new.pom")).size(), 0);
        QVERIFY(QFileInfo(path("new.pom")).isFile());
        QCOMPARE(doc.GetTitle(), QStringLiteral("new.pom"));
        QCOMPARE(doc.GetPathName(), path("new.pom"));
        // Saving again to the now empty file is fine.
        QVERIFY(doc.OnSaveDocument(path("new.pom")));
        QVERIFY(doc.OnNewDocument());
        QCOMPARE(doc.GetTitle(), QStringLiteral("Untitled"));
    }

    // Whatever is there and is not an empty file stays exactly as it is.
    void nothingThatHoldsDataIsReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("file with data") << "data";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("folder") << "folder";
    }
    void nothingThatHoldsDataIsReplaced()
    {
        QFETCH(QString, kind);
        const QString target = m_dir.filePath(QStringLiteral("target-") + kind);
        const QByteArray data("sixteen bytes!!\n");
        if (kind == "data")
            QVERIFY(TestApp::writeFile(target, data));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkdir(target));

        CPommelotDoc doc;
        QVERIFY(!doc.OnSaveDocument(target));
        QCOMPARE(doc.GetTitle(), QStringLiteral("Untitled"));
        QVERIFY(doc.GetPathName().isEmpty());
        const QFileInfo info(target);
        if (kind == "data")
            QCOMPARE(TestApp::readFile(target), data);
        else if (kind == "folder")
            QVERIFY(info.isDir());
        else
            QVERIFY(!info.isFile() && info.exists());
    }
};

POMMELOT_TEST_MAIN(TestPommelotDoc)
#include "tst_pommelotdoc.moc"
