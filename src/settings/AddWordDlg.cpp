#include "settings/AddWordDlg.h"

#include "wordlist/WordList.h"

#include "ui_AddWordDlg.h"

CAddWordDlg::CAddWordDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::AddWordDlg>())
{
    ui->setupUi(this);
    ui->problem->hide();
    ui->wordEdit->setMaxLength(kMaxChars);
    ui->wordEdit->setText(m_strWord);
    connect(ui->okButton, &QPushButton::clicked, this, &CAddWordDlg::accept);
    connect(ui->wordEdit, &QLineEdit::textEdited, ui->problem, &QWidget::hide);
}

CAddWordDlg::~CAddWordDlg() = default;

void CAddWordDlg::accept()
{
    const QString word = ui->wordEdit->text().left(kMaxChars);
    // The word names its recording's file; it must stay inside the sound folder.
    if (!WordList::isSafeFileName(word)) {
        ui->problem->setText(tr("A word cannot contain / or \\, and cannot be \".\" or \"..\" "
                                "alone. Please type another word."));
        ui->problem->show();
        // The dialog grows to show the whole message.
        if (QLayout* l = layout())
            l->activate();
        adjustSize();
        ui->wordEdit->setFocus();
        ui->wordEdit->selectAll();
        return;
    }
    m_strWord = word;
    QDialog::accept();
}
