#include "settings/SettingsPropSheet.h"

#include "base/Language.h"
#include "settings/GeneralPropPg.h"
#include "settings/RecordItemsPropPg.h"
#include "settings/SettingsLauncher.h"
#include "settings/WordsPropPg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CSettingsPropSheet::CSettingsPropSheet(const QString& caption, QWidget* parent, int selectPage)
    : QDialog(parent), m_tabs(new QTabWidget(this)), m_buttons(new QDialogButtonBox(this))
{
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    // Every tab stays in sight: the sheet is as wide as its eight captions.
    m_tabs->setUsesScrollButtons(false);
    layout->addWidget(m_buttons);

    QPushButton* ok = m_buttons->addButton(QDialogButtonBox::Ok);
    QPushButton* cancel = m_buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* apply = m_buttons->addButton(QDialogButtonBox::Apply);
    ok->setText(tr("OK"));
    cancel->setText(tr("Cancel"));
    apply->setText(tr("&Apply"));
    ok->setProperty("controlId", int(IDOK_BUTTON));
    cancel->setProperty("controlId", int(IDCANCEL_BUTTON));
    apply->setProperty("controlId", int(ID_APPLY_NOW));
    ok->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CSettingsPropSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CSettingsPropSheet::reject);
    connect(apply, &QPushButton::clicked, this, &CSettingsPropSheet::OnApply);

    const SettingsContext& context = CSettingsLauncher::GetInstance()->context();
    AddPage(m_pGeneralPage = new CGeneralPropPg);
    AddPage(m_pLettersPage = new CRecordItemsPropPg(CRecordItemsPropPg::letters()));
    AddPage(m_pNumbersPage = new CRecordItemsPropPg(CRecordItemsPropPg::numbers()));
    AddPage(m_pColorsPage = new CRecordItemsPropPg(CRecordItemsPropPg::colors()));
    AddPage(m_pShapesPage = new CRecordItemsPropPg(CRecordItemsPropPg::shapes()));
    AddPage(m_pWordsPage = new CWordsPropPg(context.words, QStringLiteral("Words")));
    AddPage(m_pMathPage = new CRecordItemsPropPg(CRecordItemsPropPg::math()));
    AddPage(m_pBirdPage = new CWordsPropPg(context.birdWords, QStringLiteral("Bird")));

    connect(m_tabs, &QTabWidget::currentChanged, this, &CSettingsPropSheet::onCurrentChanged);
    const int first = selectPage >= 0 && selectPage < m_pages.size() ? selectPage : 0;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(first);
    }
    onCurrentChanged(first);
}

CSettingsPropSheet::~CSettingsPropSheet()
{
    // The pages go first, each with its own player, while the sheet is still whole; taking
    // them out of the tabs must not run the page-change handling.
    disconnect(m_tabs, nullptr, this, nullptr);
    m_pages.clear();
    m_nActive = -1;
    delete m_pGeneralPage;
    m_pGeneralPage = nullptr;
    delete m_pColorsPage;
    m_pColorsPage = nullptr;
    delete m_pShapesPage;
    m_pShapesPage = nullptr;
    delete m_pNumbersPage;
    m_pNumbersPage = nullptr;
    delete m_pLettersPage;
    m_pLettersPage = nullptr;
    delete m_pWordsPage;
    m_pWordsPage = nullptr;
    delete m_pMathPage;
    m_pMathPage = nullptr;
    delete m_pBirdPage;
    m_pBirdPage = nullptr;
}

namespace {
// A page's caption is also the name of its sound folder; the tab shows it in the interface's
// language.
const char* const kPageTitles[] = {
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "General"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Letters"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Numbers"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Colors"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Shapes"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Words"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Math"),
    QT_TRANSLATE_NOOP("CSettingsPropSheet", "Bird"),
};
} // namespace

void CSettingsPropSheet::AddPage(CMyPropertyPage* page)
{
    m_pages.append(page);
    m_tabs->addTab(page,
                   CLanguage::translateKnown("CSettingsPropSheet", kPageTitles, page->caption()));
}

int CSettingsPropSheet::GetPageCount() const
{
    return m_pages.size();
}

CMyPropertyPage* CSettingsPropSheet::GetPage(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

CMyPropertyPage* CSettingsPropSheet::GetActivePage() const
{
    return GetPage(m_nActive);
}

int CSettingsPropSheet::GetActiveIndex() const
{
    return m_nActive;
}

bool CSettingsPropSheet::SetActivePage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return false;
    m_tabs->setCurrentIndex(index);
    return m_nActive == index;
}

QAbstractButton* CSettingsPropSheet::button(int controlId) const
{
    const auto buttons = m_buttons->buttons();
    for (QAbstractButton* b : buttons) {
        if (b->property("controlId").toInt() == controlId)
            return b;
    }
    return nullptr;
}

void CSettingsPropSheet::onCurrentChanged(int index)
{
    if (m_bSwitching)
        return;
    // The page being left reads its controls back; a page that refuses keeps the tab.
    if (CMyPropertyPage* old = GetActivePage(); old && m_nActive != index) {
        if (!old->OnKillActive()) {
            m_bSwitching = true;
            m_tabs->setCurrentIndex(m_nActive);
            m_bSwitching = false;
            return;
        }
    }
    m_nActive = index;
    CMyPropertyPage* page = GetActivePage();
    if (!page)
        return;
    if (!page->isInitialized())
        page->ensureInitialized();
    else
        page->OnSetActive();
}

bool CSettingsPropSheet::commit(bool apply)
{
    // A take still running is not finished: it never replaces an item's recording.
    for (CMyPropertyPage* page : std::as_const(m_pages))
        page->abandonRecording();
    // Every page that was shown reads its controls back before anything is committed.
    for (int i = 0; i < m_pages.size(); ++i) {
        CMyPropertyPage* page = m_pages.at(i);
        if (page->isInitialized() && !page->UpdateData(true)) {
            SetActivePage(i);
            return false;
        }
    }
    for (CMyPropertyPage* page : std::as_const(m_pages)) {
        if (!page->isInitialized())
            continue;
        if (apply)
            page->OnApply();
        else
            page->OnOK();
    }
    return true;
}

bool CSettingsPropSheet::OnOK()
{
    return commit(false);
}

bool CSettingsPropSheet::OnApply()
{
    return commit(true);
}

void CSettingsPropSheet::accept()
{
    if (OnOK())
        QDialog::accept();
}

void CSettingsPropSheet::reject()
{
    // Cancel, Escape and the window's close button.
    for (CMyPropertyPage* page : std::as_const(m_pages))
        page->OnCancel();
    QDialog::reject();
}
