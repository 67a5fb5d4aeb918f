#include "settings/WordsPropPg.h"

#include "audio/StarterVoice.h"
#include "base/CaseFold.h"
#include "settings/AddWordDlg.h"
#include "widgets/SpinButton.h"
#include "wordlist/WordList.h"

#include "ui_WordsPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStandardPaths>

CWordsPropPg::CWordsPropPg(WordList* list, const QString& caption, QWidget* parent)
    : CMyPropertyPage(caption, parent), m_pList(list), ui(std::make_unique<Ui::WordsPage>())
{
    ui->setupUi(this);
    ui->itemLabel->installEventFilter(this);
    connect(ui->addButton, &QAbstractButton::clicked, this, &CWordsPropPg::OnAddWord);
    connect(ui->deleteButton, &QAbstractButton::clicked, this, &CWordsPropPg::OnDeleteWord);
    connect(ui->wordList, &QListWidget::currentRowChanged, this,
            &CWordsPropPg::OnSelchangeWordList);
    // A starter recording made for a new word offers Play as soon as it is there.
    connect(CStarterVoice::instance(), &CStarterVoice::soundMade, this, [this] {
        if (isInitialized())
            UpdatePlayButton();
    });
}

CWordsPropPg::~CWordsPropPg() = default;

QListWidget* CWordsPropPg::listBox() const
{
    return ui->wordList;
}

bool CWordsPropPg::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    {
        const QSignalBlocker block(ui->wordList);
        ui->wordList->clear();
        for (int i = 0; i < GetItemCount(); ++i)
            ui->wordList->addItem(m_pList->GetWord(i));
    }
    selectRow(m_nIndex);
    OnSelchangeWordList();
    return true;
}

void CWordsPropPg::selectRow(int row)
{
    const QSignalBlocker block(ui->wordList);
    if (row >= 0 && row < ui->wordList->count())
        ui->wordList->setCurrentRow(row);
    else
        ui->wordList->setCurrentRow(-1);
}

bool CWordsPropPg::DoDataExchange(bool bSaveAndValidate)
{
    // The label is not typed into, so nothing is read back.
    if (!bSaveAndValidate) {
        if (GetItemCount() > 0)
            selectRow(m_nIndex);
        showWord();
        UpdatePlayButton();
    }
    return true;
}

void CWordsPropPg::showWord()
{
    QLabel* label = ui->itemLabel;
    const int room = label->contentsRect().width() - 2 * label->margin();
    const QString shown =
        room > 0 ? label->fontMetrics().elidedText(m_strWord, Qt::ElideRight, room) : m_strWord;
    label->setText(shown);
    label->setToolTip(shown != m_strWord ? m_strWord : QString());
}

bool CWordsPropPg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->itemLabel && event->type() == QEvent::Resize)
        showWord();
    return CMyPropertyPage::eventFilter(watched, event);
}

void CWordsPropPg::OnSelchangeWordList()
{
    // A take belongs to the word it was started on.
    if (ui->wordList->currentRow() != m_nIndex)
        abandonRecording();
    const int sel = ui->wordList->currentRow();
    const int count = GetItemCount();
    ui->spin->setEnabled(count > 0);
    if (count == 0) {
        // Nothing to show: an empty label, no Play, no Record.
        m_nIndex = 0;
        m_strWord.clear();
        UpdateData(false);
        return;
    }
    if (sel < 0)
        return;
    m_nIndex = sel;
    m_strWord = ui->wordList->item(sel)->text();
    UpdateData(false);
    ui->spin->setRange(0, count - 1);
    ui->spin->setPos(sel);
}

void CWordsPropPg::SetCurrentItem(int index)
{
    if (index >= 0 && index < GetItemCount()) {
        m_strWord = m_pList->GetWord(index);
        m_nIndex = index;
    } else {
        m_strWord.clear();
        m_nIndex = 0;
    }
    UpdateData(false);
}

int CWordsPropPg::GetItemCount()
{
    return m_pList ? m_pList->GetCount() : 0;
}

QString CWordsPropPg::GetItemSoundPath()
{
    const int sel = ui->wordList->currentRow();
    if (sel < 0 || !m_pList)
        return QString();
    return m_pList->GetSoundPath(sel);
}

QString CWordsPropPg::GetItemName()
{
    return m_strWord;
}

void CWordsPropPg::OnAddWord()
{
    abandonRecording();
    CAddWordDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QString word = dlg.m_strWord;
    if (m_pList->FindWord(word) >= 0) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(),
                             tr("That entry is already in the list."));
        return;
    }
    const int sel = ui->wordList->currentRow();
    int added;
    {
        const QSignalBlocker block(ui->wordList);
        if (sel < 0) {
            m_pList->AddWord(word);
            ui->wordList->addItem(word);
            added = ui->wordList->count() - 1;
        } else {
            m_pList->InsertWordAfter(sel, word);
            ui->wordList->insertItem(sel + 1, word);
            added = sel + 1;
        }
    }
    selectRow(added);
    OnSelchangeWordList();
    // The new word speaks at once, in the starter voice, until the parent records it.
    CStarterVoice::instance()->speakIfSilent(m_pList->GetSoundPath(added), word);
}

void CWordsPropPg::OnDeleteWord()
{
    const int sel = ui->wordList->currentRow();
    if (sel < 0)
        return;
    abandonRecording();
    // The word's recording goes with it, into the desktop's trash, where a slip can be undone;
    // a missing file is no matter. A file the trash does not take stays where it is. A list
    // file written by other means may hold the word twice (in another letter case): the one
    // recording then stays with the word that remains.
    const QString word = m_pList->GetWord(sel);
    bool shared = false;
    for (int i = 0; i < GetItemCount(); ++i)
        shared = shared || (i != sel && CaseFold::equal(m_pList->GetWord(i), word));
    const QString resolved = shared ? QString() : CAudioManager::resolvePath(GetItemSoundPath());
    if (!resolved.isEmpty()) {
        // The trash lives in the user's data folder; without that folder Qt would put the
        // file in a "files" folder under the working folder instead.
        const QString dataHome =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (!dataHome.isEmpty() && QDir().mkpath(dataHome))
            QFile::moveToTrash(resolved);
    }
    m_pList->RemoveWord(sel);
    {
        const QSignalBlocker block(ui->wordList);
        delete ui->wordList->takeItem(sel);
    }
    selectRow(sel > 0 ? sel - 1 : 0);
    OnSelchangeWordList();
}

void CWordsPropPg::OnOK()
{
    m_pList->Save();
    CMyPropertyPage::OnOK();
}
