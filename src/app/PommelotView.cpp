#include "app/PommelotView.h"

#include "activities/AdditionActivity.h"
#include "activities/LettersActivity.h"
#include "activities/NumbersActivity.h"
#include "activities/ShapesColorsActivity.h"
#include "activities/SubtractionActivity.h"
#include "activities/TalkingBirdActivity.h"
#include "activities/WordsActivity.h"
#include "base/Vocabulary.h"
#include "lock/KeyHook.h"
#include "settings/SettingsLauncher.h"

#include <QKeyEvent>
#include <QPainter>

CPommelotView::CPommelotView(const PlaySettings& settings, WordList* words, WordList* birdWords,
                             QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("PommelotView"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_bPlaySound = m_settings.m_bAudioEnabled;

    m_pActivities[MODE_SHAPES] = new ShapesColorsActivity(settings);
    m_pActivities[MODE_LETTERS] = new LettersActivity(settings);
    m_pActivities[MODE_NUMBERS] = new NumbersActivity(settings);
    m_pActivities[MODE_WORDS] = new WordsActivity(settings, words);
    m_pActivities[MODE_ADDITION] = new AdditionActivity(settings);
    m_pActivities[MODE_SUBTRACTION] = new SubtractionActivity(settings);
    m_pActivities[MODE_BIRD] = new TalkingBirdActivity(settings, birdWords);
    for (Activity* a : m_pActivities)
        connect(&a->m_audio, &CAudioManager::queueDrained, this, &CPommelotView::onPlayerDrained);

    m_cueTimer.setSingleShot(true);
    connect(&m_cueTimer, &QTimer::timeout, this, &CPommelotView::runNextCue);
}

CPommelotView::~CPommelotView()
{
    EnableKeyHook(0, nullptr);
    m_cueTimer.stop();
    m_pendingCues.clear();
    // The current mode may have a drawing thread that paints into this view: stop it before
    // the view's surface goes away.
    if (Activity* a = currentActivity())
        a->Deactivate();
    for (Activity*& a : m_pActivities) {
        delete a;
        a = nullptr;
    }
}

Activity* CPommelotView::activity(int mode) const
{
    if (mode < 0 || mode >= MODE_COUNT)
        return nullptr;
    return m_pActivities[mode];
}

void CPommelotView::replaceActivityForTests(int mode, Activity* activity)
{
    if (mode < 0 || mode >= MODE_COUNT || !activity)
        return;
    if (mode == m_nMode)
        m_pActivities[mode]->Deactivate();
    delete m_pActivities[mode];
    m_pActivities[mode] = activity;
    connect(&activity->m_audio, &CAudioManager::queueDrained, this,
            &CPommelotView::onPlayerDrained);
}

bool CPommelotView::isBusy() const
{
    return m_bDrawing || m_bKeyPending || m_bSpeaking;
}

bool CPommelotView::isCharacterKey(const QKeyEvent* event)
{
    if (event->text().isEmpty())
        return false;
    // X11 gives Delete the text U+007F; it is an editing key that makes no character, like
    // the arrows and the function keys.
    if (event->key() == Qt::Key_Delete)
        return false;
    // Alt and the Windows key make system keys, not characters.
    return !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
}

void CPommelotView::OnInitialUpdate()
{
    EnableKeyHook(1, this);
    RegisterHotKeys(this);
}

void CPommelotView::OnChar()
{
    if (isBusy())
        return;
    m_bKeyPending = true;
    Activity* a = currentActivity();
    a->Advance();
    m_bPlaySound = m_settings.m_bAudioEnabled;
    if (a->NeedsFullRepaint()) {
        update();
    } else {
        a->Draw(this, nullptr, m_bPlaySound);
        startCues(a);
    }
}

void CPommelotView::ClearKeyPending()
{
    m_bKeyPending = false;
}

void CPommelotView::SwitchMode(int mode)
{
    if (mode < 0 || mode >= MODE_COUNT)
        return;
    // A cue that waited for the old mode is dropped with it.
    m_cueTimer.stop();
    m_pendingCues.clear();
    m_cueActivity = nullptr;
    m_bDrawing = false;
    m_bSpeaking = false;

    currentActivity()->Deactivate();
    m_bPlaySound = m_settings.m_bAudioEnabled;
    m_nMode = mode;
    Activity* a = currentActivity();
    a->Reset();
    a->Activate(this);
    update();
}

void CPommelotView::OnSettings()
{
    EnableKeyHook(0, this);
    CSettingsLauncher::GetInstance()->DoSettings();
    if (currentActivity()->NeedsFullRepaint())
        update();
    EnableKeyHook(1, this);
}

void CPommelotView::OnLButtonDown(int flags, const QPoint& point)
{
    currentActivity()->OnClick(flags, point.x(), point.y());
}

bool CPommelotView::event(QEvent* event)
{
    if (event->type() == QEvent::Type(kKeyPressEvent)) {
        OnChar();
        return true;
    }
    return QWidget::event(event);
}

void CPommelotView::keyPressEvent(QKeyEvent* event)
{
    if (isCharacterKey(event)) {
        // Every key that makes a character counts the same; the character goes no further.
        OnChar();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CPommelotView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    OnEraseBkgnd(painter, event->rect());
    if (!m_surfaceOnly.isEmpty()) {
        const bool onlySurface = event->region().subtracted(m_surfaceOnly).isEmpty();
        m_surfaceOnly -= event->region();
        if (onlySurface) {
            currentActivity()->paintSurface(painter, event->rect());
            return;
        }
    }
    OnDraw(painter, event->rect());
}

void CPommelotView::updateSurface(const QRect& rect)
{
    m_surfaceOnly += rect;
    update(rect);
}

void CPommelotView::OnEraseBkgnd(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, GetBackgroundColor());
}

void CPommelotView::OnDraw(QPainter& painter, const QRect& dirty)
{
    Activity* a = currentActivity();
    a->paintSurface(painter, dirty);
    if (m_bDrawing) {
        // A paint while a cue still waits (window uncovered, resized): show the item again,
        // without sound. Qt never nests paints, so nothing is left half drawn.
        a->Draw(this, &painter, false);
        a->takeRequestedCues();
        return;
    }
    m_bDrawing = true;
    m_bKeyPending = false;
    a->Draw(this, &painter, m_bPlaySound);
    m_bPlaySound = false;
    startCues(a);
}

void CPommelotView::startCues(Activity* activity)
{
    m_pendingCues = activity->takeRequestedCues();
    if (m_pendingCues.empty()) {
        m_bDrawing = false;
        Q_EMIT cuesHandedOver(0);
        finishIfIdle();
        return;
    }
    m_bDrawing = true;
    m_cueActivity = activity;
    // The paint (or the key press) returns first; the first cue's delay starts from there.
    m_cueTimer.start(m_pendingCues.front().delaySeconds * 1000);
}

void CPommelotView::runNextCue()
{
    int handed = 0;
    while (!m_pendingCues.empty()) {
        const Activity::Cue cue = m_pendingCues.front();
        if (handed > 0 && cue.delaySeconds > 0) {
            m_cueTimer.start(cue.delaySeconds * 1000);
            return;
        }
        m_pendingCues.erase(m_pendingCues.begin());
        m_bSpeaking = true;
        m_cueActivity->runCue(cue);
        ++handed;
    }
    m_bDrawing = false;
    Q_EMIT cuesHandedOver(handed);
    if (!m_cueActivity->m_audio.isPlaying())
        onPlayerDrained();
}

void CPommelotView::onPlayerDrained()
{
    if (!m_bSpeaking || m_bDrawing)
        return;
    if (m_cueActivity && m_cueActivity->m_audio.isPlaying())
        return;
    m_bSpeaking = false;
    m_cueActivity = nullptr;
    finishIfIdle();
}

void CPommelotView::finishIfIdle()
{
    if (!isBusy())
        Q_EMIT becameIdle();
}

void CPommelotView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    currentActivity()->OnSize(0, width(), height());
}

void CPommelotView::mousePressEvent(QMouseEvent* event)
{
    // While a drawing runs or a cue waits, clicks are thrown away.
    if (m_bDrawing) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        int flags = 0;
        if (event->modifiers() & Qt::ShiftModifier)
            flags |= 0x0004;
        if (event->modifiers() & Qt::ControlModifier)
            flags |= 0x0008;
        OnLButtonDown(flags | 0x0001, event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

bool CPommelotView::focusNextPrevChild(bool)
{
    return false;
}

void CPommelotView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    EnableKeyHook(1, this);
}

void CPommelotView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (!m_settings.m_bLockKeyboard && !m_bKeepLockAway)
        EnableKeyHook(0, this);
}
