#include "app/DocumentFileDialog.h"
#include "common/TestApp.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

// The document commands' file dialog, driven with QTest's widget keys (which try shortcuts and
// mnemonics first, as a real keyboard does): no key a child can press commits it or changes a
// file; a click does commit it.
class TestDocumentFileDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;
    // Message boxes and menus that came up while a test ran (each closed at once).
    int m_popups = 0;
    QTimer m_watch;

    struct Run
    {
        QString chosen;
        bool stillOpenAfterKeys = false;
    };

    // Runs a dialog in m_folder; `act` runs inside its event loop. A dialog still open after
    // `act` is cancelled (and noted).
    Run run(QFileDialog::AcceptMode mode, const std::function<void(CDocumentFileDialog&)>& act)
    {
        CDocumentFileDialog dialog(nullptr, mode);
        dialog.setDirectory(m_folder);
        Run result;
        QTimer::singleShot(0, &dialog, [&] {
            if (!QTest::qWaitForWindowExposed(&dialog))
                return;
            act(dialog);
            if (dialog.isVisible()) {
                result.stillOpenAfterKeys = true;
                dialog.reject();
            }
        });
        result.chosen = dialog.choose();
        return result;
    }

    static QPushButton* acceptButton(QFileDialog& dialog)
    {
        auto* box = dialog.findChild<QDialogButtonBox*>();
        for (QAbstractButton* b : box->buttons()) {
            if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                return qobject_cast<QPushButton*>(b);
        }
        return nullptr;
    }
    static QLineEdit* nameEdit(QFileDialog& dialog)
    {
        return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    }
    // Waits until the dialog lists the folder's file, then selects it with a click.
    static void selectKeep(QFileDialog& dialog)
    {
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(list);
        QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 1);
        const QModelIndex keep = list->model()->index(0, 0, list->rootIndex());
        QCOMPARE(keep.data().toString(), QStringLiteral("keep.txt"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(keep).center());
        QTRY_COMPARE(list->currentIndex(), keep);
    }
    static void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(w, k, mods);
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path();
        QVERIFY(TestApp::writeFile(m_folder + QStringLiteral("/keep.txt"), "sixteen bytes!!\n"));
        // Anything the dialog would raise (a confirmation, a context menu) is noted and shut.
        connect(&m_watch, &QTimer::timeout, this, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                ++m_popups;
                popup->close();
            }
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++m_popups;
                box->reject();
            }
        });
        m_watch.start(20);
    }

    void keysNeverConfirmButAClickDoes()
    {
        m_popups = 0;
        const Run typed = run(QFileDialog::AcceptSave, [](CDocumentFileDialog& d) {
            QLineEdit* edit = nameEdit(d);
            QVERIFY(edit);
            edit->setFocus();
            for (Qt::Key k : {Qt::Key_C, Qt::Key_H, Qt::Key_I, Qt::Key_L, Qt::Key_D})
                key(edit, k);
            // Typing a name works...
            QCOMPARE(edit->text(), QStringLiteral("child"));
            // ...but nothing a keyboard can do confirms it.
            key(edit, Qt::Key_Return);
            key(edit, Qt::Key_Enter);
            key(edit, Qt::Key_Return, Qt::ControlModifier);
            key(edit, Qt::Key_S, Qt::AltModifier);
            acceptButton(d)->setFocus();
            key(acceptButton(d), Qt::Key_Space);
            key(acceptButton(d), Qt::Key_S, Qt::AltModifier);
            key(acceptButton(d), Qt::Key_Return);
            QVERIFY(d.isVisible());
            QCOMPARE(edit->text(), QStringLiteral("child"));
            // A name that matches a file raises no completion popup (a popup takes the
            // keyboard from the lock while it is open).
            edit->clear();
            for (Qt::Key k : {Qt::Key_K, Qt::Key_E})
                key(edit, k);
            QCOMPARE(edit->text(), QStringLiteral("ke"));
            QTest::qWait(100);
            QVERIFY(!QApplication::activePopupWidget());
        });
        QVERIFY(typed.stillOpenAfterKeys);
        QVERIFY(typed.chosen.isEmpty());
        QCOMPARE(m_popups, 0);

        const Run clicked = run(QFileDialog::AcceptSave, [](CDocumentFileDialog& d) {
            nameEdit(d)->setText(QStringLiteral("child"));
            QTest::mouseClick(acceptButton(d), Qt::LeftButton);
        });
        QVERIFY(!clicked.stillOpenAfterKeys);
        QCOMPARE(clicked.chosen, m_folder + QStringLiteral("/child"));
        // The dialog itself writes nothing.
        QVERIFY(!QFileInfo::exists(m_folder + QStringLiteral("/child")));
    }

    void escapeCancels()
    {
        const Run r = run(QFileDialog::AcceptOpen, [](CDocumentFileDialog& d) {
            nameEdit(d)->setFocus();
            key(nameEdit(d), Qt::Key_Escape);
        });
        QVERIFY(!r.stillOpenAfterKeys);
        QVERIFY(r.chosen.isEmpty());
    }

    // Keys that act on the files listed: delete, rename, the context menu, a new folder.
    void listKeysChangeNoFile()
    {
        m_popups = 0;
        const Run r = run(QFileDialog::AcceptOpen, [](CDocumentFileDialog& d) {
            auto* list = d.findChild<QListView*>(QStringLiteral("listView"));
            QVERIFY(list);
            selectKeep(d);
            list->setFocus();
            key(list, Qt::Key_Delete);
            key(list, Qt::Key_Delete, Qt::ShiftModifier);
            key(list, Qt::Key_F2);
            key(list, Qt::Key_Menu);
            key(list, Qt::Key_F10, Qt::ShiftModifier);
            key(list, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
            key(list, Qt::Key_Space);
            key(list, Qt::Key_Return);
            // No rename editor was opened on the file.
            QVERIFY(!list->viewport()->findChild<QLineEdit*>());
            QVERIFY(d.isVisible());
        });
        QVERIFY(r.stillOpenAfterKeys);
        QCOMPARE(m_popups, 0);
        QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("keep.txt")});
        QCOMPARE(TestApp::readFile(m_folder + QStringLiteral("/keep.txt")).size(), 16);
    }

    void aClickOnAFileOpensIt()
    {
        const Run r = run(QFileDialog::AcceptOpen, [](CDocumentFileDialog& d) {
            nameEdit(d)->setText(QStringLiteral("keep.txt"));
            QTest::mouseClick(acceptButton(d), Qt::LeftButton);
        });
        QCOMPARE(r.chosen, m_folder + QStringLiteral("/keep.txt"));
    }

    // A question the dialog asks (replace? delete?) answers on its letters, Space and
    // Return in a plain message box; inside the dialog none of them answers it.
    void messageBoxesOfTheDialogTakeNoAnswerFromKeys()
    {
        m_watch.stop();
        int answered = -1;
        const Run r = run(QFileDialog::AcceptSave, [&answered](CDocumentFileDialog& d) {
            QMessageBox box(QMessageBox::Question, QStringLiteral("Save"),
                            QStringLiteral("Replace it?"), QMessageBox::Yes | QMessageBox::No, &d);
            QObject::connect(&box, &QMessageBox::finished, [&answered](int a) { answered = a; });
            box.setDefaultButton(QMessageBox::Yes);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QWidget* yes = box.button(QMessageBox::Yes);
            yes->setFocus();
            for (Qt::Key k : {Qt::Key_Y, Qt::Key_N, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
                key(yes, k);
            key(yes, Qt::Key_Y, Qt::AltModifier);
            QVERIFY(box.isVisible());
            QCOMPARE(answered, -1);
            key(yes, Qt::Key_Escape);
            QVERIFY(!box.isVisible());
        });
        m_watch.start(20);
        QCOMPARE(answered, int(QMessageBox::No));
        QVERIFY(r.stillOpenAfterKeys);
        // Outside a document dialog the same box does answer to a key (the test can fail).
        QMessageBox plain(QMessageBox::Question, QStringLiteral("Save"), QStringLiteral("Again?"),
                          QMessageBox::Yes | QMessageBox::No);
        int plainAnswer = -1;
        connect(&plain, &QMessageBox::finished, this, [&plainAnswer](int a) { plainAnswer = a; });
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        plain.button(QMessageBox::Yes)->setFocus();
        key(plain.button(QMessageBox::Yes), Qt::Key_Y);
        QTRY_COMPARE(plainAnswer, int(QMessageBox::Yes));
    }
};

POMMELOT_TEST_MAIN(TestDocumentFileDialog)
#include "tst_documentfiledialog.moc"
