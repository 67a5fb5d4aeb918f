#include "activities/Activity.h"
#include "activities/TextDrawing.h"
#include "app/MainFrame.h"
#include "app/PommelotView.h"
#include "common/TestApp.h"
#include "lock/KeyHook.h"
#include "settings/GeneralPropPg.h"
#include "settings/ModalHelper.h"
#include "settings/RecordItemsPropPg.h"
#include "settings/SettingsPropSheet.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtMath>

namespace {
QString g_micFile;
QString g_speakerFile;

int peakS16(const QByteArray& raw)
{
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    int peak = 0;
    for (int i = 0; i < raw.size() / 2; ++i)
        peak = qMax(peak, qAbs(int(s[i])));
    return peak;
}
} // namespace

// The Settings command in the running program: the keyboard lock is off while the sheet is
// open, and a sound recorded on the Colors page is the one the Shapes and Colors mode speaks.
class TestSettingsE2E : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        CMainFrame* frame = AfxGetApp()->mainFrame();
        QVERIFY(frame);
        m_view = frame->view();
        QVERIFY(m_view);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QTRY_VERIFY(!m_view->isBusy());
    }

    void lockIsOffWhileTheSheetIsOpen()
    {
        EnableKeyHook(1, m_view);
        QVERIFY(IsKeyHookEnabled());
        bool sawSheet = false;
        bool lockedInside = true;
        whenModal([&](QWidget* w) {
            sawSheet = qobject_cast<CSettingsPropSheet*>(w) != nullptr;
            lockedInside = IsKeyHookEnabled();
            static_cast<QDialog*>(w)->reject();
        });
        m_view->OnSettings();
        QVERIFY(sawSheet);
        QVERIFY(!lockedInside);
        // On again, whichever button closed the sheet.
        QVERIFY(IsKeyHookEnabled());
    }

    void recordedColorIsSpoken()
    {
        const QString red = TestApp::programFolder() + QStringLiteral("/Colors/Red.wav");
        QFile::remove(red);
        QString label;
        QString pagePath;
        bool recordOffWhileRecording = false;
        bool recordBack = false;
        whenModal([&](QWidget* w) {
            auto* sheet = qobject_cast<CSettingsPropSheet*>(w);
            if (!sheet) {
                static_cast<QDialog*>(w)->reject();
                return;
            }
            sheet->SetActivePage(3);
            CRecordItemsPropPg* page = sheet->m_pColorsPage;
            label = page->control<QLabel>(1021)->text();
            pagePath = page->GetItemSoundPath();
            QWidget* record = page->control<QWidget>(1009);
            QTest::mouseClick(record, Qt::LeftButton);
            recordOffWhileRecording = !record->isEnabled();
            recordBack = QTest::qWaitFor([&] { return record->isEnabled(); }, 30000);
            sheet->button(1)->click();
        });
        m_view->OnSettings();
        QCOMPARE(label, QStringLiteral("Red"));
        QCOMPARE(pagePath, red);
        QVERIFY(recordOffWhileRecording);
        QVERIFY(recordBack);
        QVERIFY(QFileInfo(red).size() > 44100);

        // The red circle asks for exactly that file...
        Activity* shapes = m_view->activity(MODE_SHAPES);
        shapes->Reset();
        QImage image(m_view->size(), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            shapes->Draw(m_view, &painter, true);
        }
        const auto cues = shapes->takeRequestedCues();
        QVERIFY(!cues.empty());
        QCOMPARE(cues.front().path, red);

        // ...and plays it: the view hands the cues over and the speaker gets the tone.
        QTRY_VERIFY(!m_view->isBusy());
        QFile::remove(g_speakerFile);
        QSignalSpy handed(m_view, &CPommelotView::cuesHandedOver);
        m_view->SwitchMode(MODE_LETTERS);
        QTRY_VERIFY(!m_view->isBusy());
        handed.clear();
        m_view->SwitchMode(MODE_SHAPES);
        QTRY_VERIFY_WITH_TIMEOUT(handed.count() > 0, 10000);
        QCOMPARE(handed.last().at(0).toInt(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!m_view->isBusy(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(peakS16(TestApp::readFile(g_speakerFile)) > 6000, 20000);
    }

    // The font the parent sees is the font that plays: the General page and the font dialog
    // name the face the view draws with, and OK in the dialog without a choice leaves the
    // letters on screen as they were.
    void fontRoundTripKeepsTheView()
    {
        CPommelotApp* app = AfxGetApp();
        app->m_settings.m_strFontFace = QStringLiteral("Arial");
        app->m_settings.m_nFontWeight = 400;
        app->m_settings.m_bFontItalic = false;
        m_view->SwitchMode(MODE_LETTERS);
        QTRY_VERIFY_WITH_TIMEOUT(!m_view->isBusy(), 20000);
        const QImage before = m_view->grab().toImage();
        const QString drawn =
            QFontInfo(makeFont(displayFont(AfxGetApp()->m_settings), 200)).family();
        QVERIFY(drawn != QStringLiteral("Arial"));

        QString shown;
        QString selected;
        QString shownAfter;
        whenModal([&](QWidget* w) {
            auto* sheet = qobject_cast<CSettingsPropSheet*>(w);
            if (!sheet) {
                static_cast<QDialog*>(w)->reject();
                return;
            }
            auto* name = sheet->m_pGeneralPage->control<QLineEdit>(1034);
            shown = name->text();
            whenModal([&](QWidget* f) {
                auto* dlg = qobject_cast<QFontDialog*>(f);
                if (!dlg) {
                    static_cast<QDialog*>(f)->reject();
                    return;
                }
                selected = dlg->currentFont().family();
                dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
            QTest::mouseClick(sheet->m_pGeneralPage->control<QWidget>(1033), Qt::LeftButton);
            shownAfter = name->text();
            sheet->button(1)->click();
        });
        m_view->OnSettings();
        QCOMPARE(shown, drawn);
        QCOMPARE(selected, drawn);
        QCOMPARE(shownAfter, drawn);
        QCOMPARE(QFontInfo(makeFont(displayFont(AfxGetApp()->m_settings), 200)).family(), drawn);
        QTRY_VERIFY_WITH_TIMEOUT(!m_view->isBusy(), 20000);
        m_view->repaint();
        QVERIFY(m_view->grab().toImage() == before);
    }

private:
    CPommelotView* m_view = nullptr;
};

int main(int argc, char** argv)
{
    // The disk driver's microphone and speaker: files in a folder of this run.
    const QString io = QDir::tempPath() + QStringLiteral("/pommelot-settings-e2e-") +
                       QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(io);
    g_micFile = io + QStringLiteral("/mic.raw");
    g_speakerFile = io + QStringLiteral("/speaker.raw");
    {
        QFile mic(g_micFile);
        if (!mic.open(QIODevice::WriteOnly) || mic.write(TestApp::toneS16(8.0, 12000, 330.0)) <= 0)
            return 2;
    }
    qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(g_micFile));
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(g_speakerFile));
    TestSettingsE2E tc;
    const int rc = runTestObject(argc, argv, &tc, true);
    QDir(io).removeRecursively();
    return rc;
}

#include "tst_settings_e2e.moc"
