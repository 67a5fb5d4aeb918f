#include "settings/SettingsLauncher.h"

#include "settings/GeneralPropPg.h"
#include "settings/SettingsPropSheet.h"

#include <QApplication>

CSettingsLauncher* CSettingsLauncher::GetInstance()
{
    static CSettingsLauncher* instance = new CSettingsLauncher;
    return instance;
}

void CSettingsLauncher::DoSettings()
{
    // Over the program's window when there is one, so the sheet opens in front of it.
    CSettingsPropSheet sheet(QObject::tr("Settings"), QApplication::activeWindow(), 0);
    sheet.m_pGeneralPage->setLeaveChord(m_leaveChord);
    sheet.exec();
}
