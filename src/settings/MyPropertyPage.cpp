#include "settings/MyPropertyPage.h"

#include "audio/StarterVoice.h"
#include "base/DataPaths.h"
#include "base/Language.h"
#include "base/Vocabulary.h"
#include "widgets/QPictureButton.h"
#include "widgets/SpinButton.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QVariant>

namespace {
// The picture buttons' tips, in the interface's language.
const char* const kButtonTips[] = {
    QT_TRANSLATE_NOOP("CMyPropertyPage", "Play Sound"),
    QT_TRANSLATE_NOOP("CMyPropertyPage", "Record Sound"),
    QT_TRANSLATE_NOOP("CMyPropertyPage", "Change Font"),
    QT_TRANSLATE_NOOP("CMyPropertyPage", "Add New Word"),
    QT_TRANSLATE_NOOP("CMyPropertyPage", "Delete Word"),
};
} // namespace

CMyPropertyPage::CMyPropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent), m_strCaption(caption)
{
    connect(&m_audio, &CAudioManager::queueDrained, this, &CMyPropertyPage::onPlayerDrained);
    connect(&m_audio, &CAudioManager::recordProgress, this, &CMyPropertyPage::onRecordProgress);
}

CMyPropertyPage::~CMyPropertyPage()
{
    // A recording still running ends here and its take is thrown away; its event must not
    // reach a page being destroyed.
    if (m_bRecording)
        m_audio.cancelRecording();
}

void CMyPropertyPage::abandonRecording()
{
    if (!m_bRecording)
        return;
    // A take that had just run its length is kept all the same.
    const bool discarded = m_audio.cancelRecording();
    m_bRecording = false;
    if (auto* level = findChild<QProgressBar*>(QStringLiteral("inputLevel")))
        level->hide();
    // Named without its item: the page may be showing another one by now.
    showStatus(discarded ? tr("Recording stopped: nothing was changed.") : QString());
    UpdatePlayButton();
}

QWidget* CMyPropertyPage::control(int id) const
{
    const auto children = findChildren<QWidget*>();
    for (QWidget* w : children) {
        const QVariant v = w->property("controlId");
        if (v.isValid() && v.toInt() == id)
            return w;
    }
    return nullptr;
}

bool CMyPropertyPage::OnInitDialog()
{
    // Tooltips: a picture button's text is "NAME\nTooltip".
    const auto buttons = findChildren<QPictureButton*>();
    for (QPictureButton* b : buttons) {
        const QString text = b->pictureText();
        const int nl = text.indexOf(QLatin1Char('\n'));
        if (nl >= 0)
            b->setToolTip(
                CLanguage::translateKnown("CMyPropertyPage", kButtonTips, text.mid(nl + 1)));
    }
    if (auto* play = control<QAbstractButton>(IDC_PLAY))
        connect(play, &QAbstractButton::clicked, this, &CMyPropertyPage::OnPlay);
    if (auto* record = control<QAbstractButton>(IDC_RECORD))
        connect(record, &QAbstractButton::clicked, this, &CMyPropertyPage::OnRecord);
    if (auto* stop = control<QAbstractButton>(IDC_STOP))
        connect(stop, &QAbstractButton::clicked, this, &CMyPropertyPage::OnStop);
    if (auto* spin = control<CSpinButton>(IDC_SPIN))
        connect(spin, &CSpinButton::deltaPos, this, &CMyPropertyPage::OnDeltaposSpin);
    if (auto* status = findChild<QLabel*>(QStringLiteral("recordStatus")))
        status->hide();
    if (auto* level = findChild<QProgressBar*>(QStringLiteral("inputLevel")))
        level->hide();
    UpdateData(false);
    return true;
}

void CMyPropertyPage::ensureInitialized()
{
    if (m_bInitialized)
        return;
    m_bInitialized = true;
    OnInitDialog();
}

bool CMyPropertyPage::OnSetActive()
{
    return UpdateData(false);
}

bool CMyPropertyPage::OnKillActive()
{
    abandonRecording();
    return UpdateData(true);
}

void CMyPropertyPage::OnOK()
{
    abandonRecording();
}

bool CMyPropertyPage::OnApply()
{
    OnOK();
    return true;
}

void CMyPropertyPage::OnCancel()
{
    abandonRecording();
}

bool CMyPropertyPage::DoDataExchange(bool)
{
    return true;
}

bool CMyPropertyPage::UpdateData(bool bSaveAndValidate)
{
    return DoDataExchange(bSaveAndValidate);
}

bool CMyPropertyPage::soundFileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    // Play is offered for what the player would play: the parent's recording (found whatever
    // the case of its name), else a starter recording.
    const QString resolved = CStarterVoice::find(path);
    return !resolved.isEmpty() && QFileInfo(resolved).isFile();
}

QString CMyPropertyPage::soundPath(const QString& folder, const QString& name)
{
    return DataPaths::soundPath(folder, name);
}

void CMyPropertyPage::initSpinner()
{
    if (auto* spin = control<CSpinButton>(IDC_SPIN)) {
        spin->setRange(0, qMax(0, GetItemCount() - 1));
        spin->setPos(0);
    }
}

void CMyPropertyPage::setLabelText(int id, const QString& text)
{
    if (auto* label = control<QLabel>(id))
        label->setText(text);
}

void CMyPropertyPage::UpdatePlayButton()
{
    if (QWidget* play = control(IDC_PLAY))
        play->setEnabled(!m_bPlaying && !m_bRecording && soundFileExists(GetItemSoundPath()));
    updateRecordButton();
}

void CMyPropertyPage::updateRecordButton()
{
    if (QWidget* record = control(IDC_RECORD))
        record->setEnabled(!m_bPlaying && !m_bRecording && GetItemCount() > 0 &&
                           !GetItemSoundPath().isEmpty());
}

void CMyPropertyPage::SetCurrentItem(int) {}

int CMyPropertyPage::GetItemCount()
{
    return 0;
}

QString CMyPropertyPage::GetItemSoundPath()
{
    return QString();
}

QString CMyPropertyPage::GetItemName()
{
    return QString();
}

int CMyPropertyPage::wrapIndex(int pos, int delta, int count)
{
    if (count <= 0)
        return 0;
    const int p = pos + delta;
    if (p >= 0)
        return p % count;
    return (count - (-p) % count) % count;
}

void CMyPropertyPage::OnDeltaposSpin(int iPos, int iDelta)
{
    // A word list may be empty: there is nothing to step to.
    const int n = GetItemCount();
    if (n <= 0)
        return;
    // The take belongs to the item it was started on: moving on ends it unsaved.
    abandonRecording();
    SetCurrentItem(wrapIndex(iPos, iDelta, n));
}

void CMyPropertyPage::OnPlay()
{
    const QString path = GetItemSoundPath();
    if (m_bPlaying || m_bRecording || !soundFileExists(path))
        return;
    m_bPlaying = true;
    UpdatePlayButton();
    // The player returns at once; the buttons come back when it has played the file.
    m_audio.Play(path);
}

void CMyPropertyPage::onPlayerDrained()
{
    if (!m_bPlaying)
        return;
    m_bPlaying = false;
    UpdatePlayButton();
}

void CMyPropertyPage::OnStop()
{
    m_audio.Stop();
}

void CMyPropertyPage::OnRecord()
{
    const QString path = GetItemSoundPath();
    if (m_bPlaying || m_bRecording || path.isEmpty())
        return;
    m_bRecording = true;
    m_recordingItem = GetItemTitle(GetItemName());
    m_recordingPath = path;
    UpdatePlayButton();
    showStatus(tr("Recording \u201c%1\u201d: speak now, %2 s left")
                   .arg(m_recordingItem)
                   .arg(double(kRecordSeconds), 0, 'f', 1));
    if (auto* level = findChild<QProgressBar*>(QStringLiteral("inputLevel"))) {
        level->setValue(0);
        level->show();
    }
    m_audio.Record(kRecordSeconds, path, this, nullptr);
}

void CMyPropertyPage::onRecordProgress(int elapsedMs, float peak)
{
    if (!m_bRecording)
        return;
    const double left = qMax(0.0, kRecordSeconds - elapsedMs / 1000.0);
    showStatus(tr("Recording \u201c%1\u201d: speak now, %2 s left")
                   .arg(m_recordingItem)
                   .arg(left, 0, 'f', 1));
    if (auto* level = findChild<QProgressBar*>(QStringLiteral("inputLevel")))
        level->setValue(qBound(0, int(peak * 100.0f + 0.5f), 100));
}

bool CMyPropertyPage::event(QEvent* event)
{
    if (event->type() == RecordDoneEvent::kType) {
        OnRecordDone(*static_cast<RecordDoneEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void CMyPropertyPage::OnRecordDone(const RecordDoneEvent& done)
{
    if (!m_bRecording)
        return;
    m_bRecording = false;
    if (auto* level = findChild<QProgressBar*>(QStringLiteral("inputLevel")))
        level->hide();
    if (done.ok()) {
        showStatus(QString());
    } else {
        QString why = done.error().trimmed();
        if (why.isEmpty())
            why = tr("The sound could not be recorded.");
        // One line: the item, whether it still has a recording, and why.
        if (soundFileExists(m_recordingPath))
            showStatus(
                tr("\u201c%1\u201d keeps its earlier recording. %2").arg(m_recordingItem, why));
        else
            showStatus(tr("\u201c%1\u201d was not recorded: %2").arg(m_recordingItem, why));
    }
    UpdatePlayButton();
}

void CMyPropertyPage::showStatus(const QString& text)
{
    auto* status = findChild<QLabel*>(QStringLiteral("recordStatus"));
    if (!status)
        return;
    status->setText(text);
    status->setVisible(!text.isEmpty());
}
