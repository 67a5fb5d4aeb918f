#pragma once

#include "settings/MyPropertyPage.h"

#include <memory>

namespace Ui {
class RecordColorsPage;
}

// The Colors page: records the nine colours, Red to Black. Its sounds are the files the play modes
// speak: <data folder>/Colors/<item>.wav.
class CRecordColorsPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    explicit CRecordColorsPropPg(QWidget* parent = nullptr);
    ~CRecordColorsPropPg() override;

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;
    QString GetItemName() override;

    // The current colour id.
    int m_nColor = 0;
    // The text last shown in the label.
    QString m_strItem;

private:
    std::unique_ptr<Ui::RecordColorsPage> ui;
};
