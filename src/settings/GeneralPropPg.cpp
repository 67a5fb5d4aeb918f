#include "settings/GeneralPropPg.h"

#include "audio/StarterVoice.h"
#include "base/Language.h"
#include "base/PlaySettings.h"
#include "lock/KeyHook.h"
#include "lock/LockStatus.h"
#include "settings/MyFontDlg.h"
#include "settings/SettingsLauncher.h"

#include "ui_GeneralPage.h"

#include <cstdlib>

CGeneralPropPg::CGeneralPropPg(QWidget* parent)
    : CMyPropertyPage(QStringLiteral("General"), parent),
      m_context(CSettingsLauncher::GetInstance()->context()),
      ui(std::make_unique<Ui::GeneralPage>())
{
    ui->setupUi(this);
    const PlaySettings* settings = m_context.settings;
    m_bEnableAudio = settings->m_bAudioEnabled;
    m_bKeyboardLock = settings->m_bLockKeyboard;
    // The face the play modes really draw with: a face that is not installed is shown as the
    // family that stands in for it.
    m_strFontName = CMyFontDlg::installedFamily(settings->m_strFontFace, settings->m_nFontWeight,
                                                settings->m_bFontItalic);
    m_strDelay = QString::number(settings->m_nSoundDelay, 10);
    m_bReverseOrder = settings->m_bReverseWordOrder;
    m_bRandomize = settings->m_bRandomizeWords;
    m_bFullScreen = settings->m_bFullScreen;
    m_strLanguage = CLanguage::instance()->current();
    for (const CLanguage::Info& language : CLanguage::all())
        ui->language->addItem(QString::fromUtf8(language.name), QLatin1String(language.code));
    connect(ui->fontButton, &QAbstractButton::clicked, this, &CGeneralPropPg::OnChangeFont);
    // How far the language's starter voice is, while it is being made.
    connect(CStarterVoice::instance(), &CStarterVoice::progressChanged, this,
            &CGeneralPropPg::showVoiceStatus);
    // What the keyboard lock holds on this desktop, kept up to date while the page is open.
    ui->lockStatus->setText(KeyLockStatusText());
    if (CLockStatus* status = CLockStatus::instance())
        connect(status, &CLockStatus::changed, this,
                [this] { ui->lockStatus->setText(KeyLockStatusText()); });
}

CGeneralPropPg::~CGeneralPropPg() = default;

void CGeneralPropPg::setLeaveChord(const QString& chord)
{
    ui->fullScreenHint->setText(
        tr("Covers every screen. To leave, hold %1 for three seconds.").arg(chord));
}

bool CGeneralPropPg::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_bEnableAudio = ui->enableAudio->isChecked();
        m_bKeyboardLock = ui->lockKeyboard->isChecked();
        m_strFontName = ui->fontName->text();
        m_strDelay = ui->delay->currentIndex() >= 0 ? ui->delay->currentText() : QString();
        m_bReverseOrder = ui->reverseOrder->isChecked();
        m_bRandomize = ui->randomize->isChecked();
        m_bFullScreen = ui->fullScreen->isChecked();
        m_strLanguage = ui->language->currentData().toString();
        m_bStarterLists = ui->starterLists->isChecked();
    } else {
        ui->enableAudio->setChecked(m_bEnableAudio);
        ui->lockKeyboard->setChecked(m_bKeyboardLock);
        ui->fontName->setText(m_strFontName);
        ui->fontName->setCursorPosition(0);
        // The item whose text begins with the delay; an unknown delay leaves the choice.
        const int item = ui->delay->findText(m_strDelay, Qt::MatchStartsWith);
        if (item >= 0)
            ui->delay->setCurrentIndex(item);
        ui->reverseOrder->setChecked(m_bReverseOrder);
        ui->randomize->setChecked(m_bRandomize);
        ui->fullScreen->setChecked(m_bFullScreen);
        const int language = ui->language->findData(m_strLanguage);
        if (language >= 0)
            ui->language->setCurrentIndex(language);
        ui->starterLists->setChecked(m_bStarterLists);
        showVoiceStatus();
    }
    return true;
}

void CGeneralPropPg::OnOK()
{
    PlaySettings* settings = m_context.settings;
    settings->m_bAudioEnabled = m_bEnableAudio;
    settings->m_bLockKeyboard = m_bKeyboardLock;
    settings->m_nSoundDelay = std::atoi(m_strDelay.toLatin1().constData());
    settings->m_bReverseWordOrder = m_bReverseOrder;
    settings->m_bRandomizeWords = m_bRandomize;
    // The frame switches when the sheet has closed.
    settings->m_bFullScreen = m_bFullScreen;
    // Heard at the next key press; the interface follows at once.
    if (m_context.setLanguage)
        m_context.setLanguage(m_strLanguage, m_bStarterLists);
    // Taken once: an Apply followed by OK starts the lists anew only once.
    m_bStarterLists = false;
    ui->starterLists->setChecked(false);
    CMyPropertyPage::OnOK();
}

void CGeneralPropPg::OnChangeFont()
{
    PlaySettings* settings = m_context.settings;
    CMyFontDlg dlg(this);
    // Opened on the family that is drawn, so that OK without a choice keeps the play font.
    const QString drawn = CMyFontDlg::installedFamily(
        settings->m_strFontFace, settings->m_nFontWeight, settings->m_bFontItalic);
    dlg.setCurrentFont(
        CMyFontDlg::fontFor(drawn, settings->m_nFontWeight, settings->m_bFontItalic));
    if (dlg.exec() != QDialog::Accepted)
        return;
    // Face, weight and slant only: the play modes choose their own sizes.
    const QFont chosen = dlg.selectedFont();
    settings->m_strFontFace = chosen.family();
    settings->m_nFontWeight = chosen.weight();
    settings->m_bFontItalic = chosen.italic();
    m_strFontName = settings->m_strFontFace;
    UpdateData(false);
}

void CGeneralPropPg::showVoiceStatus()
{
    const QString text = m_context.voiceStatus ? m_context.voiceStatus() : QString();
    ui->voiceStatus->setText(text);
    ui->voiceStatus->setVisible(!text.isEmpty());
}
