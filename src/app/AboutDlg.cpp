#include "app/AboutDlg.h"

#include "lock/KeyHook.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Pommelot"));
    setObjectName(QStringLiteral("AboutDlg"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/pommelot.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(tr("<h2>Pommelot %1</h2>"
                     "<p>A keyboard play program for toddlers: every key press shows the next "
                     "shape, letter, number, word or sum, large and in colour, and speaks it in "
                     "your own voice.</p>"
                     "<p><b>Credits</b><br>"
                     "Program, pictures and the green bird: the Pommelot developers.<br>"
                     "Starter voice: made with eSpeak NG.<br>"
                     "Built with Qt, SDL and libsndfile.</p>"
                     "<p>Record your own voice in Settings; it always takes the place of the "
                     "starter voice.</p>")
                      .arg(QStringLiteral(POMMELOT_VERSION)));
    text->setMinimumWidth(360);

    // What the keyboard lock holds on this desktop.
    auto* lockStatus = new QLabel(KeyLockStatusText(), this);
    lockStatus->setObjectName(QStringLiteral("lockStatus"));
    lockStatus->setWordWrap(true);
    auto* column = new QVBoxLayout;
    column->addWidget(text);
    column->addWidget(lockStatus);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(column, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
