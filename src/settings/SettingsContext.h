#pragma once

#include <QString>
#include <functional>

struct PlaySettings;
class WordList;

// What the Settings sheet works on, handed to it by the application: the settings the General
// page edits, the two word lists of the word pages, and what the page asks of the application
// when a language is chosen.
struct SettingsContext
{
    PlaySettings* settings = nullptr;
    WordList* words = nullptr;
    WordList* birdWords = nullptr;
    // Switches the language (its code); with true, both word lists start anew from the
    // language's starter lists.
    std::function<void(const QString& code, bool starterLists)> setLanguage;
    // One line about the language's starter voice (being made, or missing); empty when ready.
    std::function<QString()> voiceStatus;
};
