#include "settings/RecordNumbersPropPg.h"

#include "ui_RecordNumbersPage.h"

CRecordNumbersPropPg::CRecordNumbersPropPg(QWidget* parent)
    : CMyPropertyPage(QStringLiteral("Numbers"), parent),
      ui(std::make_unique<Ui::RecordNumbersPage>())
{
    ui->setupUi(this);
}

CRecordNumbersPropPg::~CRecordNumbersPropPg() = default;

bool CRecordNumbersPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    initSpinner();
    UpdateData(false);
    return true;
}

bool CRecordNumbersPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        const QString text = GetItemName();
        m_strItem = text;
        setLabelText(1023, text);
        UpdatePlayButton();
    }
    return true;
}

void CRecordNumbersPropPg::SetCurrentItem(int index)
{
    m_nNumber = index + 1;
    UpdateData(false);
}

int CRecordNumbersPropPg::GetItemCount()
{
    return 10;
}

QString CRecordNumbersPropPg::GetItemName()
{
    return QString::number(m_nNumber);
}

QString CRecordNumbersPropPg::GetItemSoundPath()
{
    return soundPath(QStringLiteral("Numbers"), GetItemName());
}
