#pragma once

#include "settings/SettingsContext.h"

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

    // What every sheet works on; the application sets it once at start.
    void setContext(const SettingsContext& context) { m_context = context; }
    const SettingsContext& context() const { return m_context; }

private:
    CSettingsLauncher() = default;
    SettingsContext m_context;
    QString m_leaveChord;
};
