#pragma once

#include <QString>

// What the parent sets on the General page and the play modes read while the program runs.
// The application owns the one value and hands it down by reference, so a change made in
// Settings is seen at the next key press. Nothing is stored: each start begins with these
// defaults.
struct PlaySettings
{
    bool m_bAudioEnabled = true;
    bool m_bLockKeyboard = false;
    // Whole seconds between a drawing and its sound.
    int m_nSoundDelay = 0;
    bool m_bReverseWordOrder = false;
    bool m_bRandomizeWords = false;
    QString m_strFontFace = QStringLiteral("Arial");
    int m_nFontWeight = 400;
    bool m_bFontItalic = false;
    // Full screen on every monitor (the General page's Full Screen box).
    bool m_bFullScreen = false;
};
