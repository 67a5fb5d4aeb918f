#pragma once

// Runs the Settings sheet. One process-wide instance, made on first use.
class CSettingsLauncher
{
public:
    static CSettingsLauncher* GetInstance();
    // Builds a new sheet with eight new pages, runs it modally, destroys it.
    void DoSettings();

private:
    CSettingsLauncher() = default;
};
