#pragma once

#include "settings/RecordItemsPropPg.h"

#include <memory>

namespace Ui {
class RecordColorsPage;
}

// The Colors page: records the nine colours, Red to Black. Its sounds are the files the play modes
// speak: <data folder>/Colors/<item>.wav.
class CRecordColorsPropPg : public CRecordItemsPropPg
{
    Q_OBJECT
public:
    explicit CRecordColorsPropPg(QWidget* parent = nullptr);
    ~CRecordColorsPropPg() override;

    QString GetItemName() override;

    // The current colour id.
    int m_nColor = 0;

protected:
    void setItemIndex(int index) override;

private:
    std::unique_ptr<Ui::RecordColorsPage> ui;
};
