#pragma once

#include <QFileDialog>

// The file dialog of the document commands (open, save). These commands sit on shortcuts a
// child at the keyboard can hit, so the dialog never commits, and never changes a file, on a
// key: choosing the file needs a click on Open or Save (or a double click on a file).
//
// While the dialog runs, keys reach it only to type or edit a name, to search a list, to move
// around (Tab, arrows, page keys) and to cancel (Escape). Return and Enter, Space on a
// button, Delete outside a text field, mnemonics and every other shortcut, the context-menu
// key, F2 (rename), and any key in a menu or message box of the dialog's own are dropped.
// Always the toolkit's own dialog: a desktop's native one would take keys it cannot filter.
class CDocumentFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    CDocumentFileDialog(QWidget* parent, AcceptMode mode);
    ~CDocumentFileDialog() override;

    // Runs the dialog modally; the chosen path, or empty when cancelled.
    QString choose();
    // The same with the one dialog of that mode that parent's window keeps: opened again and
    // again (a child finds the shortcut quickly), it costs no memory each time.
    static QString chooseFile(QWidget* parent, AcceptMode mode);
    // Called by that window before it goes: its document dialogs are let go, never deleted.
    // A file dialog writes the toolkit's file-dialog settings into the home folder when it is
    // deleted, and these dialogs open from the keyboard, where a child's keys must not write
    // anything.
    static void keepPastOwner(QWidget* owner);

    // Whether a key event aimed at `receiver` may reach it while a document dialog runs.
    static bool isHarmlessKey(const QObject* receiver, const class QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
