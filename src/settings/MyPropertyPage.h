#pragma once

#include "audio/AudioManager.h"

#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;

// Base of every Settings page. Owns the page's own player and recorder and runs the Play and
// Record buttons (1007, 1009), the hidden stop command (1010), the item spinner (1019) and
// the picture buttons' tooltips. Pages find their controls by their control id.
//
// Button states: Idle (Play enabled exactly when the current item's file exists; Record
// enabled) -> Playing (both disabled until the player has drained) -> Idle; Idle -> Recording
// (both disabled) -> RecordDoneEvent -> Idle. While recording, the page shows which item is
// being recorded, the time left and the input level; a failed recording is reported in one
// line on the page.
//
// A take is kept only when it ran its length: leaving the page, moving to another item, OK,
// Apply, Cancel or closing the sheet during a recording throws the take away and the item
// keeps the recording it had.
class CMyPropertyPage : public QWidget
{
    Q_OBJECT
public:
    enum ControlId : int
    {
        IDC_PLAY = 1007,
        IDC_RECORD = 1009,
        IDC_STOP = 1010,
        IDC_SPIN = 1019,
    };
    // Length of every recording, in seconds.
    static constexpr int kRecordSeconds = 2;

    explicit CMyPropertyPage(const QString& caption, QWidget* parent = nullptr);
    ~CMyPropertyPage() override;

    QString caption() const { return m_strCaption; }

    // Called by the sheet: the first time the page is shown, on every later showing, when it
    // is left (false keeps the page), on OK, on Apply and on Cancel.
    virtual bool OnInitDialog();
    virtual bool OnSetActive();
    virtual bool OnKillActive();
    virtual void OnOK();
    virtual bool OnApply();
    virtual void OnCancel();
    bool isInitialized() const { return m_bInitialized; }
    // Runs OnInitDialog once.
    void ensureInitialized();

    // Moves data between the controls and the page's fields: loading when bSaveAndValidate is
    // false, reading back (and validating: false keeps the page) when true.
    virtual bool DoDataExchange(bool bSaveAndValidate);
    bool UpdateData(bool bSaveAndValidate = true);

    virtual void UpdatePlayButton();
    virtual void SetCurrentItem(int index);
    virtual int GetItemCount();
    virtual QString GetItemSoundPath();
    // The item's name as the page shows it, for the recording status.
    virtual QString GetItemName();

    // The child control with this control id, or null.
    QWidget* control(int id) const;
    template <typename T> T* control(int id) const { return qobject_cast<T*>(control(id)); }

    bool isPlaying() const { return m_bPlaying; }
    bool isRecording() const { return m_bRecording; }
    // Ends a recording in progress, throwing away the unfinished take, and returns the page to
    // Idle. Nothing happens when the page is not recording.
    void abandonRecording();

    // The wrapped index for a spinner step: position + delta wrapped into 0..count-1.
    static int wrapIndex(int pos, int delta, int count);

    CAudioManager m_audio;

public Q_SLOTS:
    void OnPlay();
    void OnStop();
    void OnRecord();
    void OnDeltaposSpin(int iPos, int iDelta);

protected:
    bool event(QEvent* event) override;
    virtual void OnRecordDone(const RecordDoneEvent& done);
    // Record is offered when the page has an item and nothing plays or records.
    void updateRecordButton();
    static bool soundFileExists(const QString& path);
    // <data folder>/<folder>/<name>.wav: the path the play modes build for a sound cue.
    static QString soundPath(const QString& folder, const QString& name);
    // Range 0..GetItemCount()-1 and position 0 on the spinner.
    void initSpinner();
    void setLabelText(int id, const QString& text);
    void showStatus(const QString& text);

private:
    void onPlayerDrained();
    void onRecordProgress(int elapsedMs, float peak);

    QString m_strCaption;
    bool m_bInitialized = false;
    bool m_bPlaying = false;
    bool m_bRecording = false;
    QString m_recordingItem;
    QString m_recordingPath;
};
