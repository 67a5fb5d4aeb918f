#include "app/DocumentFileDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

namespace {
bool isInside(const QObject* object, const char* className)
{
    for (const QObject* o = object; o; o = o->parent()) {
        if (o->inherits(className))
            return true;
    }
    return false;
}

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}
} // namespace

CDocumentFileDialog::CDocumentFileDialog(QWidget* parent, AcceptMode mode) : QFileDialog(parent)
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(mode);
    setFileMode(mode == AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    setWindowTitle(mode == AcceptSave ? tr("Save As - click Save to confirm")
                                      : tr("Open - click Open to confirm"));
    setObjectName(QStringLiteral("DocumentFileDialog"));
    // An existing file is never replaced (the document refuses it), so no question is asked.
    if (mode == AcceptSave)
        setOption(QFileDialog::DontConfirmOverwrite, true);
}

CDocumentFileDialog::~CDocumentFileDialog()
{
    qApp->removeEventFilter(this);
}

QString CDocumentFileDialog::chooseFile(QWidget* parent, AcceptMode mode)
{
    QWidget* owner = parent->window();
    const QString name = mode == AcceptSave ? QStringLiteral("DocumentSaveDialog")
                                            : QStringLiteral("DocumentOpenDialog");
    auto* dialog = owner->findChild<CDocumentFileDialog*>(name, Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new CDocumentFileDialog(owner, mode);
        dialog->setObjectName(name);
    }
    return dialog->choose();
}

void CDocumentFileDialog::keepPastOwner(QWidget* owner)
{
    const auto dialogs =
        owner->findChildren<CDocumentFileDialog*>(QString(), Qt::FindDirectChildrenOnly);
    for (CDocumentFileDialog* dialog : dialogs) {
        dialog->hide();
        dialog->setParent(nullptr);
    }
}

void CDocumentFileDialog::showEvent(QShowEvent* event)
{
    QFileDialog::showEvent(event);
    // The name field's completion list is a popup, which takes the keyboard for itself while
    // it is open; the dialog does without it.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setCompleter(nullptr);
}

QString CDocumentFileDialog::choose()
{
    // Opened again, it starts without the name typed last time.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();
    // The filter sits on the application: the dialog's popups, completer and message boxes
    // are windows of their own.
    qApp->installEventFilter(this);
    const int result = exec();
    qApp->removeEventFilter(this);
    if (result != QDialog::Accepted || selectedFiles().isEmpty())
        return QString();
    return selectedFiles().constFirst();
}

bool CDocumentFileDialog::isHarmlessKey(const QObject* receiver, const QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return false;
    if (key == Qt::Key_Escape)
        return true;
    // Menus and message boxes act on plain letters (their mnemonics) and on Space.
    if (isInside(receiver, "QMenu") || isInside(receiver, "QMessageBox"))
        return isNavigationKey(key);
    // In a text field everything but Alt and Meta combinations edits the text.
    if (receiver->inherits("QLineEdit"))
        return !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
    // Alt or Meta with an arrow opens a combo box's list.
    if (isNavigationKey(key))
        return !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
    // Printable text, without Ctrl, Alt or Meta, to a list (keyboard search) or a combo box.
    const QString text = event->text();
    const bool printable =
        !text.isEmpty() && text.at(0).isPrint() && text != QStringLiteral(" ") &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return printable &&
           (isInside(receiver, "QAbstractItemView") || receiver->inherits("QComboBox"));
}

bool CDocumentFileDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed for the focused widget, so no shortcut of any window fires; the key press
        // that follows is judged below.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key passes the window first and is judged where it lands, at a widget.
        if (watched->isWidgetType() && !isHarmlessKey(watched, static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QFileDialog::eventFilter(watched, event);
}
