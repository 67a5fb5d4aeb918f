#pragma once

#include "settings/MyPropertyPage.h"
#include "settings/SettingsContext.h"

#include <memory>

namespace Ui {
class GeneralPage;
}

// The General page: sound on or off, keyboard lock, display font, sound delay, the order of
// colour and shape, random word order. The page copies the play settings it is handed when it
// is built and writes them back on OK or Apply; the font button changes the play font at once.
class CGeneralPropPg : public CMyPropertyPage
{
    Q_OBJECT
public:
    enum ControlId : int
    {
        IDC_ENABLE_AUDIO = 1008,
        IDC_LOCK_KEYBOARD = 1028,
        IDC_CHANGE_FONT = 1033,
        IDC_FONT_NAME = 1034,
        IDC_REVERSE_ORDER = 1036,
        IDC_DELAY = 1037,
        IDC_RANDOMIZE = 1038,
        IDC_FULL_SCREEN = 1040,
        IDC_LANGUAGE = 1041,
        IDC_STARTER_LISTS = 1042,
    };

    explicit CGeneralPropPg(QWidget* parent = nullptr);
    ~CGeneralPropPg() override;

    bool DoDataExchange(bool bSaveAndValidate) override;
    void OnOK() override;
    // Names the chord that leaves full screen ("Ctrl+Alt+Q") under the Full Screen box.
    void setLeaveChord(const QString& chord);

    bool m_bEnableAudio = true;
    bool m_bKeyboardLock = false;
    QString m_strFontName;
    // The delay in seconds as its decimal text.
    QString m_strDelay;
    bool m_bReverseOrder = false;
    bool m_bRandomize = false;
    bool m_bFullScreen = false;
    // The language's code ("de"), and whether OK replaces both word lists with its starter
    // lists (off: a parent's lists are kept).
    QString m_strLanguage;
    bool m_bStarterLists = false;

public Q_SLOTS:
    void OnChangeFont();

private Q_SLOTS:
    void showVoiceStatus();

private:
    // The play settings and the language switch, handed down through the Settings launcher.
    const SettingsContext m_context;
    std::unique_ptr<Ui::GeneralPage> ui;
};
