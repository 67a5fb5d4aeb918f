#pragma once

#include "settings/MyPropertyPage.h"

#include <memory>

namespace Ui {
class RecordShapesPage;
}

// The Shapes page: records the ten shapes, Circle to Trapezoid. Its sounds are the files the play
// modes speak: <data folder>/Shapes/<item>.wav.
class CRecordShapesPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    explicit CRecordShapesPropPg(QWidget* parent = nullptr);
    ~CRecordShapesPropPg() override;

    bool OnInitDialog() override;
    bool DoDataExchange(bool bSaveAndValidate) override;
    void SetCurrentItem(int index) override;
    int GetItemCount() override;
    QString GetItemSoundPath() override;
    QString GetItemName() override;

    // The current shape id.
    int m_nShape = 0;
    // The text last shown in the label.
    QString m_strItem;

private:
    std::unique_ptr<Ui::RecordShapesPage> ui;
};
