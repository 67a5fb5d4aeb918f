#pragma once

#include "settings/RecordItemsPropPg.h"

#include <memory>

namespace Ui {
class RecordShapesPage;
}

// The Shapes page: records the ten shapes, Circle to Trapezoid. Its sounds are the files the play
// modes speak: <data folder>/Shapes/<item>.wav.
class CRecordShapesPropPg : public CRecordItemsPropPg
{
    Q_OBJECT
public:
    explicit CRecordShapesPropPg(QWidget* parent = nullptr);
    ~CRecordShapesPropPg() override;

    QString GetItemName() override;

    // The current shape id.
    int m_nShape = 0;

protected:
    void setItemIndex(int index) override;

private:
    std::unique_ptr<Ui::RecordShapesPage> ui;
};
