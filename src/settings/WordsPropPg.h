#pragma once

#include "settings/MyPropertyPage.h"

#include <memory>

class QListWidget;
class WordList;

namespace Ui {
class WordsPage;
}

// A word-list page (the Words and the Bird tab): edits the application's list in place, with a
// list box that always holds the list's words in the list's order, and plays or records the
// selected word's sound in the list's sound folder. OK saves the list file; Cancel keeps the
// edits in memory.
//
// An empty list shows an empty label, offers neither Play nor Record and ignores the spinner.
// A word too long for the label is shown cut short with an ellipsis, the whole word as its
// tooltip; the word itself is never shortened.
class CWordsPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    enum ControlId : int
    {
        IDC_ADD_WORD = 1008,
        IDC_WORD_LIST = 1024,
        IDC_WORD = 1025,
        IDC_DELETE_WORD = 1027,
    };

    CWordsPropPg(WordList* list, const QString& caption, QWidget* parent = nullptr);
    ~CWordsPropPg() override;

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void OnOK() override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;
    QString GetItemName() override;

    QListWidget* listBox() const;
    WordList* list() const { return m_pList; }

    // The word shown in the label.
    QString m_strWord;
    // Index of the selected word.
    int m_nIndex = 0;

public Q_SLOTS:
    void OnAddWord();
    void OnDeleteWord();
    void OnSelchangeWordList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWord();
    void selectRow(int row);

    WordList* m_pList;
    std::unique_ptr<Ui::WordsPage> ui;
};
