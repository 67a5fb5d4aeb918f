#pragma once

#include "settings/MyPropertyPage.h"

#include <memory>

namespace Ui {
class RecordLettersPage;
}

// The Letters page: records A to Z. Its sounds are the files the play modes
// speak: <data folder>/Letters/<item>.wav.
class CRecordLettersPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    explicit CRecordLettersPropPg(QWidget* parent = nullptr);
    ~CRecordLettersPropPg() override;

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;
    QString GetItemName() override;

    // The current letter, upper case.
    QChar m_chLetter = QLatin1Char('A');
    // The text last shown in the label.
    QString m_strItem;

private:
    std::unique_ptr<Ui::RecordLettersPage> ui;
};
