#pragma once

#include "settings/MyPropertyPage.h"

#include <memory>

namespace Ui {
class RecordNumbersPage;
}

// The Numbers page: records 1 to 10. Its sounds are the files the play modes
// speak: <data folder>/Numbers/<item>.wav.
class CRecordNumbersPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    explicit CRecordNumbersPropPg(QWidget* parent = nullptr);
    ~CRecordNumbersPropPg() override;

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;
    QString GetItemName() override;

    // The current number.
    int m_nNumber = 1;
    // The text last shown in the label.
    QString m_strItem;

private:
    std::unique_ptr<Ui::RecordNumbersPage> ui;
};
