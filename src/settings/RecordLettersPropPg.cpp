#include "settings/RecordLettersPropPg.h"

#include "ui_RecordLettersPage.h"

CRecordLettersPropPg::CRecordLettersPropPg(QWidget* parent)
    : CRecordItemsPropPg(QStringLiteral("Letters"), 26, 1023, parent),
      ui(std::make_unique<Ui::RecordLettersPage>())
{
    ui->setupUi(this);
}

CRecordLettersPropPg::~CRecordLettersPropPg() = default;

void CRecordLettersPropPg::setItemIndex(int index)
{
    m_chLetter = QChar(QLatin1Char('A').unicode() + index);
}

QString CRecordLettersPropPg::GetItemName()
{
    return QString(m_chLetter);
}
