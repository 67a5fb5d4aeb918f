#pragma once

#include "settings/RecordItemsPropPg.h"

#include <memory>

namespace Ui {
class RecordMathPage;
}

// The Math page: records the words of the sums, "plus", "minus", "equals". Its sounds are the files
// the play modes speak: <data folder>/Math/<item>.wav.
class CRecordMathPropPg : public CRecordItemsPropPg
{
    Q_OBJECT
public:
    explicit CRecordMathPropPg(QWidget* parent = nullptr);
    ~CRecordMathPropPg() override;

    QString GetItemName() override;

    // "plus", "minus", "equals" for 0, 1, 2.
    static QString mathWord(int index);

    // The current word's index.
    int m_nMathWord = 0;

protected:
    void setItemIndex(int index) override;

private:
    std::unique_ptr<Ui::RecordMathPage> ui;
};
