#include "settings/RecordNumbersPropPg.h"

#include "ui_RecordNumbersPage.h"

CRecordNumbersPropPg::CRecordNumbersPropPg(QWidget* parent)
    : CRecordItemsPropPg(QStringLiteral("Numbers"), 10, 1023, parent),
      ui(std::make_unique<Ui::RecordNumbersPage>())
{
    ui->setupUi(this);
}

CRecordNumbersPropPg::~CRecordNumbersPropPg() = default;

void CRecordNumbersPropPg::setItemIndex(int index)
{
    m_nNumber = index + 1;
}

QString CRecordNumbersPropPg::GetItemName()
{
    return QString::number(m_nNumber);
}
