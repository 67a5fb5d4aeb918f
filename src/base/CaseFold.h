#pragma once

#include <QString>

// The one rule by which two names are "the same but for letter case": a word list's duplicate
// check, finding a recording whatever the case of its file name, the starter recordings and
// the data folder's seeding all go through it. Both sides are brought to Unicode's composed
// form (NFC) and then simple-case-folded, so "Éva" (with a combining accent or without) and
// "éva", "ÄPFEL" and "äpfel" are the same name.
namespace CaseFold {

// The folded form of text.
QString fold(const QString& text);
// True when a and b fold to the same text.
bool equal(const QString& a, const QString& b);

} // namespace CaseFold
