#pragma once

#include "settings/RecordItemsPropPg.h"

#include <memory>

namespace Ui {
class RecordNumbersPage;
}

// The Numbers page: records 1 to 10. Its sounds are the files the play modes
// speak: <data folder>/Numbers/<item>.wav.
class CRecordNumbersPropPg : public CRecordItemsPropPg
{
    Q_OBJECT
public:
    explicit CRecordNumbersPropPg(QWidget* parent = nullptr);
    ~CRecordNumbersPropPg() override;

    QString GetItemName() override;

    // The current number.
    int m_nNumber = 1;

protected:
    void setItemIndex(int index) override;

private:
    std::unique_ptr<Ui::RecordNumbersPage> ui;
};
