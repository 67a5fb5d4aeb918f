#pragma once

#include <QDialog>
#include <QList>

class CMyPropertyPage;
class CGeneralPropPg;
class CRecordItemsPropPg;
class CWordsPropPg;
class QAbstractButton;
class QDialogButtonBox;
class QTabWidget;

// The Settings sheet: eight tabbed pages (General, Letters, Numbers, Colors, Shapes, Words,
// Math, Bird), OK, Cancel and Apply. A page is set up the first time its tab is shown and
// reads its controls back whenever it is left. OK reads back every page that was shown and
// commits it, Apply does the same and keeps the sheet open, Cancel commits no page's fields
// (what already took effect stays: a font chosen with the font button, a finished recording,
// an edited word list). The pages are made with the sheet and deleted with it. OK, Apply, Cancel, closing the sheet and
// leaving a page all end a recording in progress without keeping its unfinished take.
class CSettingsPropSheet : public QDialog
{
    Q_OBJECT
public:
    enum ControlId : int
    {
        IDOK_BUTTON = 1,
        IDCANCEL_BUTTON = 2,
        ID_APPLY_NOW = 0x3021,
    };

    CSettingsPropSheet(const QString& caption, QWidget* parent = nullptr, int selectPage = 0);
    ~CSettingsPropSheet() override;

    int GetPageCount() const;
    CMyPropertyPage* GetPage(int index) const;
    CMyPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    bool SetActivePage(int index);
    QTabWidget* tabWidget() const { return m_tabs; }
    QAbstractButton* button(int controlId) const;

    // OK: reads back and commits every page that was shown, then closes. False when a page
    // refused its data (the sheet stays open on it).
    bool OnOK();
    // Apply: the same without closing.
    bool OnApply();

    void accept() override;
    void reject() override;

    CGeneralPropPg* m_pGeneralPage = nullptr;
    CRecordItemsPropPg* m_pColorsPage = nullptr;
    CRecordItemsPropPg* m_pShapesPage = nullptr;
    CRecordItemsPropPg* m_pNumbersPage = nullptr;
    CRecordItemsPropPg* m_pLettersPage = nullptr;
    CWordsPropPg* m_pWordsPage = nullptr;
    CRecordItemsPropPg* m_pMathPage = nullptr;
    CWordsPropPg* m_pBirdPage = nullptr;

private:
    void AddPage(CMyPropertyPage* page);
    void onCurrentChanged(int index);
    bool commit(bool apply);

    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    QList<CMyPropertyPage*> m_pages;
    int m_nActive = -1;
    bool m_bSwitching = false;
};
