#include "settings/RecordMathPropPg.h"

#include "ui_RecordMathPage.h"

CRecordMathPropPg::CRecordMathPropPg(QWidget* parent)
    : CMyPropertyPage(QStringLiteral("Math"), parent), ui(std::make_unique<Ui::RecordMathPage>())
{
    ui->setupUi(this);
}

CRecordMathPropPg::~CRecordMathPropPg() = default;

QString CRecordMathPropPg::mathWord(int index)
{
    static const char* const words[3] = {"plus", "minus", "equals"};
    return QLatin1String(words[index >= 0 && index < 3 ? index : 0]);
}

bool CRecordMathPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    initSpinner();
    UpdateData(false);
    return true;
}

bool CRecordMathPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        const QString text = GetItemName();
        setLabelText(1023, text);
        UpdatePlayButton();
    }
    return true;
}

void CRecordMathPropPg::SetCurrentItem(int index)
{
    m_nMathWord = index < 3 ? index : 0;
    UpdateData(false);
}

int CRecordMathPropPg::GetItemCount()
{
    return 3;
}

QString CRecordMathPropPg::GetItemName()
{
    return mathWord(m_nMathWord);
}

QString CRecordMathPropPg::GetItemSoundPath()
{
    return soundPath(QStringLiteral("Math"), GetItemName());
}
