#include "settings/RecordLettersPropPg.h"

#include "ui_RecordLettersPage.h"

CRecordLettersPropPg::CRecordLettersPropPg(QWidget* parent)
    : CMyPropertyPage(QStringLiteral("Letters"), parent),
      ui(std::make_unique<Ui::RecordLettersPage>())
{
    ui->setupUi(this);
}

CRecordLettersPropPg::~CRecordLettersPropPg() = default;

bool CRecordLettersPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    initSpinner();
    UpdateData(false);
    return true;
}

bool CRecordLettersPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        const QString text = GetItemName();
        m_strItem = text;
        setLabelText(1023, text);
        UpdatePlayButton();
    }
    return true;
}

void CRecordLettersPropPg::SetCurrentItem(int index)
{
    m_chLetter = QChar(QLatin1Char('A').unicode() + index);
    UpdateData(false);
}

int CRecordLettersPropPg::GetItemCount()
{
    return 26;
}

QString CRecordLettersPropPg::GetItemName()
{
    return QString(m_chLetter);
}

QString CRecordLettersPropPg::GetItemSoundPath()
{
    return soundPath(QStringLiteral("Letters"), GetItemName());
}
