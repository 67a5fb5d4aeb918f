#include "settings/RecordColorsPropPg.h"

#include "activities/Vocabulary.h"
#include "ui_RecordColorsPage.h"

CRecordColorsPropPg::CRecordColorsPropPg(QWidget* parent)
    : CMyPropertyPage(QStringLiteral("Colors"), parent),
      ui(std::make_unique<Ui::RecordColorsPage>())
{
    ui->setupUi(this);
}

CRecordColorsPropPg::~CRecordColorsPropPg() = default;

bool CRecordColorsPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    initSpinner();
    UpdateData(false);
    return true;
}

bool CRecordColorsPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        const QString text = GetItemName();
        m_strItem = text;
        setLabelText(1021, text);
        UpdatePlayButton();
    }
    return true;
}

void CRecordColorsPropPg::SetCurrentItem(int index)
{
    m_nColor = index;
    UpdateData(false);
}

int CRecordColorsPropPg::GetItemCount()
{
    return kColorCount;
}

QString CRecordColorsPropPg::GetItemName()
{
    return GetColorName(m_nColor);
}

QString CRecordColorsPropPg::GetItemSoundPath()
{
    return soundPath(QStringLiteral("Colors"), GetItemName());
}
