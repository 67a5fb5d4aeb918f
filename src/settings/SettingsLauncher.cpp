#include "settings/SettingsLauncher.h"

CSettingsLauncher* CSettingsLauncher::GetInstance()
{
    static CSettingsLauncher* instance = new CSettingsLauncher;
    return instance;
}

// Scaffolding: replaced by the sheet.
void CSettingsLauncher::DoSettings() {}
