#pragma once

#include <QFontDialog>

// The font dialog of the General page: Qt's own (never the desktop's) dialog, offering
// scalable fonts only and showing just the face list, the style list, the sample, OK and
// Cancel. Size, effects and writing system are hidden: the play modes choose their own sizes.
class CMyFontDlg : public QFontDialog
{
    Q_OBJECT
public:
    explicit CMyFontDlg(QWidget* parent = nullptr);

    // The font the dialog opens on: the face, its weight (100..900) and slant, 36 pixels high.
    static QFont fontFor(const QString& face, int weight, bool italic);
    // The installed family the program really draws with when it asks for face (e.g.
    // "Liberation Sans" for "Arial"); face itself when the font system has nothing better.
    static QString installedFamily(const QString& face, int weight = 400, bool italic = false);

private:
    void hideUnusedControls();
};
