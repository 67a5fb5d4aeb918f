#pragma once

#include "settings/MyPropertyPage.h"

// Base of the pages that record a fixed list of items (letters, numbers, colours, shapes, the
// words of the sums). The page shows the current item in its label, steps through the list
// with the spinner and records <data folder>/<folder>/<item>.wav, the file the play modes
// speak. A page gives its list's length and folder here and keeps its own current value: it
// names the item for an index and stores that index in its own member.
class CRecordItemsPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    // caption is also the sound folder's name; itemLabelId is the label showing the item.
    CRecordItemsPropPg(const QString& caption, int itemCount, int itemLabelId,
                       QWidget* parent = nullptr);

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;

    // The text last shown in the label.
    QString m_strItem;

protected:
    // Makes item index (0..GetItemCount()-1) the page's current item.
    virtual void setItemIndex(int index) = 0;

private:
    int m_nItemCount;
    int m_nItemLabelId;
};
