#include "settings/RecordMathPropPg.h"

#include "ui_RecordMathPage.h"

CRecordMathPropPg::CRecordMathPropPg(QWidget* parent)
    : CRecordItemsPropPg(QStringLiteral("Math"), 3, 1023, parent),
      ui(std::make_unique<Ui::RecordMathPage>())
{
    ui->setupUi(this);
}

CRecordMathPropPg::~CRecordMathPropPg() = default;

QString CRecordMathPropPg::mathWord(int index)
{
    static const char* const words[3] = {QT_TRANSLATE_NOOP("Vocabulary", "plus"),
                                         QT_TRANSLATE_NOOP("Vocabulary", "minus"),
                                         QT_TRANSLATE_NOOP("Vocabulary", "equals")};
    return QLatin1String(words[index >= 0 && index < 3 ? index : 0]);
}

void CRecordMathPropPg::setItemIndex(int index)
{
    m_nMathWord = index < 3 ? index : 0;
}

QString CRecordMathPropPg::GetItemName()
{
    return mathWord(m_nMathWord);
}
