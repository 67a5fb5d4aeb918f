#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class AddWordDlg;
}

// "Add Word": asks for one new word of at most 20 characters. A word that could not be a
// file name of its recording ('/', '\\', "." or "..") is refused in the dialog, which stays
// open so the parent can change it.
class CAddWordDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMaxChars = 20;

    explicit CAddWordDlg(QWidget* parent = nullptr);
    ~CAddWordDlg() override;

    void accept() override;

    // The word entered; valid after OK.
    QString m_strWord;

private:
    std::unique_ptr<Ui::AddWordDlg> ui;
};
