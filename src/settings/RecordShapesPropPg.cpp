#include "settings/RecordShapesPropPg.h"

#include "base/Vocabulary.h"
#include "ui_RecordShapesPage.h"

CRecordShapesPropPg::CRecordShapesPropPg(QWidget* parent)
    : CRecordItemsPropPg(QStringLiteral("Shapes"), kShapeCount, 1022, parent),
      ui(std::make_unique<Ui::RecordShapesPage>())
{
    ui->setupUi(this);
}

CRecordShapesPropPg::~CRecordShapesPropPg() = default;

void CRecordShapesPropPg::setItemIndex(int index)
{
    m_nShape = index;
}

QString CRecordShapesPropPg::GetItemName()
{
    return GetShapeName(m_nShape);
}
