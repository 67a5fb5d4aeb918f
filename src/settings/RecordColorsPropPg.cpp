#include "settings/RecordColorsPropPg.h"

#include "base/Vocabulary.h"
#include "ui_RecordColorsPage.h"

CRecordColorsPropPg::CRecordColorsPropPg(QWidget* parent)
    : CRecordItemsPropPg(QStringLiteral("Colors"), kColorCount, 1021, parent),
      ui(std::make_unique<Ui::RecordColorsPage>())
{
    ui->setupUi(this);
}

CRecordColorsPropPg::~CRecordColorsPropPg() = default;

void CRecordColorsPropPg::setItemIndex(int index)
{
    m_nColor = index;
}

QString CRecordColorsPropPg::GetItemName()
{
    return GetColorName(m_nColor);
}
