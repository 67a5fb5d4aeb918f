#pragma once

#include "settings/MyPropertyPage.h"

#include <QStringList>
#include <memory>

namespace Ui {
class RecordItemsPage;
}

// A page that records a fixed list of items: the letters, the numbers, the colours, the shapes
// or the words of the sums. The page shows the current item in its label, steps through the
// list with the spinner and records <data folder>/<folder>/<item>.wav, the file the play modes
// speak. What a page records comes from its data, never from its (translated) caption.
class CRecordItemsPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    struct PageData
    {
        // The tab's caption before translation.
        QString caption;
        // The sound folder under the data folder.
        QString folder;
        // The items' names, as their files are named and the play modes speak them.
        QStringList items;
        // The control id of the label that shows the item.
        int itemLabelId = 1023;
        // Width kept for the "Recording sound for:" prompt.
        int promptWidth = 100;
        // The page has the hidden Stop button (the Colors page).
        bool stopButton = false;
    };
    // The five pages: A..Z; 1..10; Red..Black; Circle..Trapezoid; plus, minus, equals.
    static PageData letters();
    static PageData numbers();
    static PageData colors();
    static PageData shapes();
    static PageData math();

    explicit CRecordItemsPropPg(const PageData& data, QWidget* parent = nullptr);
    ~CRecordItemsPropPg() override;

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;
    QString GetItemName() override;

    QString folder() const { return m_data.folder; }
    // The current item's index.
    int m_nItem = 0;
    // The text last shown in the label.
    QString m_strItem;

private:
    const PageData m_data;
    std::unique_ptr<Ui::RecordItemsPage> ui;
};
