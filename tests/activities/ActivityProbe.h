#pragma once

#include "activities/Activity.h"
#include "app/PommelotApp.h"
#include "app/PommelotView.h"
#include "common/TestApp.h"

#include "PixelProbe.h"

#include <QPainter>
#include <memory>

// Draws an activity the way the play view does (grey erase, then Draw) into an image of the
// view's size, and turns its requested cues into comparable strings.
namespace ActivityProbe {

inline std::unique_ptr<CPommelotView> makeView(const QSize& size)
{
    auto view = std::make_unique<CPommelotView>(AfxGetApp()->m_settings, AfxGetApp()->m_pWordList,
                                                AfxGetApp()->m_pBirdWordList);
    view->resize(size);
    return view;
}

inline QImage draw(Activity& activity, CPommelotView& view, bool playSound)
{
    QImage img = PixelProbe::greyImage(view.size());
    QPainter p(&img);
    activity.Draw(&view, &p, playSound);
    return img;
}

// "<folder>/<name>.wav@<delay>", with the program folder left off.
inline QStringList cues(Activity& activity)
{
    QStringList out;
    const QString base = TestApp::programFolder() + QLatin1Char('/');
    for (const Activity::Cue& cue : activity.takeRequestedCues()) {
        QString path = cue.path;
        if (path.startsWith(base))
            path = path.mid(base.size());
        else if (!path.isEmpty())
            path = QStringLiteral("<elsewhere>") + path;
        out << QStringLiteral("%1@%2").arg(path).arg(cue.delaySeconds);
    }
    return out;
}

// Puts the settings the play modes read back to the defaults.
inline void resetSettings()
{
    CPommelotApp* app = AfxGetApp();
    app->m_settings.m_nSoundDelay = 0;
    app->m_settings.m_bReverseWordOrder = false;
    app->m_settings.m_bRandomizeWords = false;
    app->m_settings.m_strFontFace = QStringLiteral("Arial");
    app->m_settings.m_nFontWeight = 400;
    app->m_settings.m_bFontItalic = false;
}

} // namespace ActivityProbe
