#include "activities/Activity.h"

#include "base/DataPaths.h"
#include "base/Vocabulary.h"

Activity::Activity(const PlaySettings& settings) : m_settings(settings) {}
Activity::~Activity() = default;

void Activity::OnSize(int, int, int) {}
void Activity::Activate(PlaySurface*) {}
void Activity::Deactivate() {}
void Activity::OnClick(int, int, int) {}
bool Activity::NeedsFullRepaint()
{
    return true;
}
void Activity::paintSurface(QPainter&, const QRect&) {}

void Activity::PlayCue(const QString& path, int delay)
{
    m_requestedCues.push_back(Cue{path, delay < 0 ? 0 : delay});
}

void Activity::PlayColorCue(int color, int delay)
{
    PlayCue(DataPaths::soundPath(QStringLiteral("Colors"), GetColorName(color)), delay);
}

void Activity::PlayShapeCue(int shape, int delay)
{
    PlayCue(DataPaths::soundPath(QStringLiteral("Shapes"), GetShapeName(shape)), delay);
}

void Activity::PlayNumberCue(int number, int delay)
{
    PlayCue(DataPaths::soundPath(QStringLiteral("Numbers"), QString::number(number)), delay);
}

void Activity::PlayLetterCue(QChar letter, int delay)
{
    PlayCue(DataPaths::soundPath(QStringLiteral("Letters"), QString(letter)), delay);
}

void Activity::PlayMathCue(const QString& word, int delay)
{
    PlayCue(DataPaths::soundPath(QStringLiteral("Math"), word), delay);
}

std::vector<Activity::Cue> Activity::takeRequestedCues()
{
    std::vector<Cue> cues;
    cues.swap(m_requestedCues);
    return cues;
}

void Activity::runCue(const Cue& cue)
{
    m_audio.Play(cue.path);
}
