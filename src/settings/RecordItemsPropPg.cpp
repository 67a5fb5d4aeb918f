#include "settings/RecordItemsPropPg.h"

#include "base/Vocabulary.h"

#include "ui_RecordItemsPage.h"

CRecordItemsPropPg::PageData CRecordItemsPropPg::letters()
{
    PageData data{QStringLiteral("Letters"), QStringLiteral("Letters"), {}, 1023, 100, false};
    for (char c = 'A'; c <= 'Z'; ++c)
        data.items << QString(QLatin1Char(c));
    return data;
}

CRecordItemsPropPg::PageData CRecordItemsPropPg::numbers()
{
    PageData data{QStringLiteral("Numbers"), QStringLiteral("Numbers"), {}, 1023, 100, false};
    for (int n = 1; n <= 10; ++n)
        data.items << QString::number(n);
    return data;
}

CRecordItemsPropPg::PageData CRecordItemsPropPg::colors()
{
    PageData data{QStringLiteral("Colors"), QStringLiteral("Colors"), {}, 1021, 118, true};
    for (int color = 0; color < kColorCount; ++color)
        data.items << GetColorName(color);
    return data;
}

CRecordItemsPropPg::PageData CRecordItemsPropPg::shapes()
{
    PageData data{QStringLiteral("Shapes"), QStringLiteral("Shapes"), {}, 1022, 100, false};
    for (int shape = 0; shape < kShapeCount; ++shape)
        data.items << GetShapeName(shape);
    return data;
}

CRecordItemsPropPg::PageData CRecordItemsPropPg::math()
{
    // The words of the sums; the voice says them in the language in use, the files keep these
    // names.
    return PageData{QStringLiteral("Math"),
                    QStringLiteral("Math"),
                    {QStringLiteral(QT_TRANSLATE_NOOP("Vocabulary", "plus")),
                     QStringLiteral(QT_TRANSLATE_NOOP("Vocabulary", "minus")),
                     QStringLiteral(QT_TRANSLATE_NOOP("Vocabulary", "equals"))},
                    1023,
                    100,
                    false};
}

CRecordItemsPropPg::CRecordItemsPropPg(const PageData& data, QWidget* parent)
    : CMyPropertyPage(data.caption, parent), m_data(data),
      ui(std::make_unique<Ui::RecordItemsPage>())
{
    ui->setupUi(this);
    ui->itemLabel->setProperty("controlId", m_data.itemLabelId);
    ui->promptLabel->setMinimumWidth(m_data.promptWidth);
    if (!m_data.stopButton) {
        delete ui->stopButton;
        ui->stopButton = nullptr;
    }
}

CRecordItemsPropPg::~CRecordItemsPropPg() = default;

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
        m_strItem = GetItemName();
        ui->itemLabel->setText(GetItemTitle(m_strItem));
        UpdatePlayButton();
    }
    return true;
}

void CRecordItemsPropPg::SetCurrentItem(int index)
{
    m_nItem = index >= 0 && index < m_data.items.size() ? index : 0;
    UpdateData(false);
}

int CRecordItemsPropPg::GetItemCount()
{
    return int(m_data.items.size());
}

QString CRecordItemsPropPg::GetItemName()
{
    return m_data.items.value(m_nItem);
}

QString CRecordItemsPropPg::GetItemSoundPath()
{
    return soundPath(m_data.folder, GetItemName());
}
