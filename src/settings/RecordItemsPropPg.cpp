#include "settings/RecordItemsPropPg.h"

#include "base/Vocabulary.h"

CRecordItemsPropPg::CRecordItemsPropPg(const QString& caption, int itemCount, int itemLabelId,
                                       QWidget* parent)
    : CMyPropertyPage(caption, parent), m_nItemCount(itemCount), m_nItemLabelId(itemLabelId)
{
}

bool CRecordItemsPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    initSpinner();
    UpdateData(false);
    return true;
}

bool CRecordItemsPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        const QString text = GetItemName();
        m_strItem = text;
        setLabelText(m_nItemLabelId, GetItemTitle(text));
        UpdatePlayButton();
    }
    return true;
}

void CRecordItemsPropPg::SetCurrentItem(int index)
{
    setItemIndex(index);
    UpdateData(false);
}

int CRecordItemsPropPg::GetItemCount()
{
    return m_nItemCount;
}

QString CRecordItemsPropPg::GetItemSoundPath()
{
    return soundPath(caption(), GetItemName());
}
