#pragma once

#include "settings/RecordItemsPropPg.h"

#include <memory>

namespace Ui {
class RecordLettersPage;
}

// The Letters page: records A to Z. Its sounds are the files the play modes
// speak: <data folder>/Letters/<item>.wav.
class CRecordLettersPropPg : public CRecordItemsPropPg
{
    Q_OBJECT
public:
    explicit CRecordLettersPropPg(QWidget* parent = nullptr);
    ~CRecordLettersPropPg() override;

    QString GetItemName() override;

    // The current letter, upper case.
    QChar m_chLetter = QLatin1Char('A');

protected:
    void setItemIndex(int index) override;

private:
    std::unique_ptr<Ui::RecordLettersPage> ui;
};
