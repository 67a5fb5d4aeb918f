#include "settings/MyFontDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

CMyFontDlg::CMyFontDlg(QWidget* parent) : QFontDialog(parent)
{
    setWindowTitle(tr("Font"));
    setOption(QFontDialog::DontUseNativeDialog, true);
    setOption(QFontDialog::ScalableFonts, true);
    hideUnusedControls();
}

QFont CMyFontDlg::fontFor(const QString& face, int weight, bool italic)
{
    QFont font(face);
    font.setWeight(weight >= 1 && weight <= 1000 ? QFont::Weight(weight) : QFont::Normal);
    font.setItalic(italic);
    font.setPixelSize(36);
    return font;
}

QString CMyFontDlg::installedFamily(const QString& face, int weight, bool italic)
{
    if (face.isEmpty())
        return face;
    const QString family = QFontInfo(fontFor(face, weight, italic)).family();
    return family.isEmpty() ? face : family;
}

void CMyFontDlg::hideUnusedControls()
{
    // The effects box is the group box holding the check boxes.
    const auto groups = findChildren<QGroupBox*>();
    QGroupBox* sample = nullptr;
    for (QGroupBox* g : groups) {
        if (!g->findChildren<QCheckBox*>().isEmpty())
            g->hide();
        else
            sample = g;
    }
    // The writing-system choice is the one combo box, with its label.
    const auto combos = findChildren<QComboBox*>();
    for (QComboBox* c : combos)
        c->hide();
    const auto labels = findChildren<QLabel*>();
    for (QLabel* l : labels) {
        if (qobject_cast<QComboBox*>(l->buddy()))
            l->hide();
    }

    // The size column: the right-most of the three columns of label, edit and list.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return;
    int sizeColumn = -1;
    const auto lists = findChildren<QListView*>();
    for (QListView* v : lists) {
        const int index = grid->indexOf(v);
        if (index < 0)
            continue;
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        sizeColumn = qMax(sizeColumn, column);
    }
    if (sizeColumn < 0)
        return;
    for (int i = 0; i < grid->count(); ++i) {
        QWidget* w = grid->itemAt(i)->widget();
        if (!w)
            continue;
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        if (column == sizeColumn && columnSpan == 1)
            w->hide();
    }
    grid->setColumnStretch(sizeColumn, 0);
    // The sample takes the room the effects leave, under the two lists.
    if (sample && grid->indexOf(sample) >= 0) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(sample), &row, &column, &rowSpan, &columnSpan);
        grid->removeWidget(sample);
        grid->addWidget(sample, row, 0, rowSpan, qMax(1, sizeColumn - 1));
        sample->setMinimumHeight(96);
    }
}
