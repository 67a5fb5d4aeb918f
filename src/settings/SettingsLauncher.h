#pragma once

#include <QString>

// Runs the Settings sheet. One process-wide instance, made on first use.
class CSettingsLauncher
{
public:
    static CSettingsLauncher* GetInstance();
    // Builds a new sheet with eight new pages, runs it modally, destroys it.
    void DoSettings();
    // The chord that leaves full screen, as every sheet's General page names it.
    void setLeaveChord(const QString& chord) { m_leaveChord = chord; }

private:
    CSettingsLauncher() = default;

    QString m_leaveChord;
};
