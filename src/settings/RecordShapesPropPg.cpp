#include "settings/RecordShapesPropPg.h"

#include "activities/Vocabulary.h"
#include "ui_RecordShapesPage.h"

CRecordShapesPropPg::CRecordShapesPropPg(QWidget* parent)
    : CMyPropertyPage(QStringLiteral("Shapes"), parent),
      ui(std::make_unique<Ui::RecordShapesPage>())
{
    ui->setupUi(this);
}

CRecordShapesPropPg::~CRecordShapesPropPg() = default;

bool CRecordShapesPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    initSpinner();
    UpdateData(false);
    return true;
}

bool CRecordShapesPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        const QString text = GetItemName();
        m_strItem = text;
        setLabelText(1022, text);
        UpdatePlayButton();
    }
    return true;
}

void CRecordShapesPropPg::SetCurrentItem(int index)
{
    m_nShape = index;
    UpdateData(false);
}

int CRecordShapesPropPg::GetItemCount()
{
    return kShapeCount;
}

QString CRecordShapesPropPg::GetItemName()
{
    return GetShapeName(m_nShape);
}

QString CRecordShapesPropPg::GetItemSoundPath()
{
    return soundPath(QStringLiteral("Shapes"), GetItemName());
}
