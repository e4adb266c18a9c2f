#include "riders/FrmRiderSearch.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "reports/ReportWindow.h"
#include "riders/FrmRiderEdit.h"
#include "riders/FrmRiderEntry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

FrmRiderSearch::FrmRiderSearch()
    : FormBase(QStringLiteral("FrmRiderSearch"), QStringLiteral("Rider Edit Form"), 5730, 8130) {
    using namespace Controls;
    LblFormTitle = label(this, "LblFormTitle", "Rider Information", 1320, 120, 3135, 375,
                         Fonts::classic(18, true));
    LblSearchBy = label(this, "LblSearchBy", "Search By", 480, 600, 975, 255);
    LbSearchBy = dropDownList(this, "LbSearchBy", 480, 840, 1935, 315);
    // The list position picks the column: see RiderStore::SearchField.
    LbSearchBy->addItems({"Last Name", "First Name", "Rider Number", "Team"});
    LbSearchBy->setCurrentIndex(0);
    LblSearchFor = label(this, "LblSearchFor", "Search For", 2640, 600, 1215, 255);
    TxtSearchFor = textBox(this, "TxtSearchFor", 2640, 840, 1575, 285, Limit::kSearch);
    CmdSearch = button(this, "CmdSearch", "Search", 4320, 840, 855, 255);
    setMainButton(CmdSearch);
    LbResults = listBox(this, "LbResults", 480, 1320, 4695, 5130);
    // Every line is one line of text: spares measuring thousands of lines on each search.
    LbResults->setUniformItemSizes(true);
    CmdEdit = button(this, "CmdEdit", "Edit Rider", 600, 6600, 1335, 375);
    CmdAdd = button(this, "CmdAdd", "Add Rider", 2160, 6600, 1335, 375);
    CmdDelete = button(this, "CmdDelete", "Delete Rider", 3720, 6600, 1335, 375);
    CmdRiderReport =
        button(this, "CmdRiderReport", "View Complete Rider List", 1800, 7320, 2055, 615);

    tabOrder({{0, TxtSearchFor},
              {1, LblSearchBy},
              {2, LblSearchFor},
              {3, CmdSearch},
              {4, LbResults},
              {5, LbSearchBy},
              {6, CmdAdd},
              {7, CmdRiderReport},
              {8, CmdEdit},
              {9, CmdDelete},
              {10, LblFormTitle}});

    connect(CmdSearch, &QPushButton::clicked, this, &FrmRiderSearch::CmdSearch_Click);
    connect(CmdAdd, &QPushButton::clicked, this, &FrmRiderSearch::CmdAdd_Click);
    connect(CmdEdit, &QPushButton::clicked, this, &FrmRiderSearch::CmdEdit_Click);
    connect(CmdDelete, &QPushButton::clicked, this, &FrmRiderSearch::CmdDelete_Click);
    connect(CmdRiderReport, &QPushButton::clicked, this, &FrmRiderSearch::CmdRiderReport_Click);

    centre();
    TxtSearchFor->setFocus();
}

void FrmRiderSearch::CmdRiderReport_Click() {
    QVector<Report::Row> rows;
    if (Controls::guarded([&] { rows = Reports::riderList(); }))
        ReportWindow::open(Reports::Kind::RiderList, rows);
}

void FrmRiderSearch::Form_Activate() {
    CmdSearch_Click();
}

void FrmRiderSearch::CmdSearch_Click() {
    const QString text = TxtSearchFor->text();
    if (text.isEmpty())
        return;
    const auto field = static_cast<RiderStore::SearchField>(qMax(0, LbSearchBy->currentIndex()));
    QVector<RiderStore::RiderLine> rows;
    if (!Controls::guarded([&] { rows = RiderStore::search(field, text); }))
        return;
    QStringList lines;
    lines.reserve(rows.size());
    for (const RiderStore::RiderLine& row : rows)
        lines << RiderStore::lineText(row);
    m_rows = rows;
    LbResults->setUpdatesEnabled(false);
    LbResults->clear();
    LbResults->addItems(lines);
    LbResults->setUpdatesEnabled(true);
}

int FrmRiderSearch::selectedLine() const {
    const QList<QListWidgetItem*> selected = LbResults->selectedItems();
    if (selected.isEmpty())
        return -1;
    const int line = LbResults->row(selected.first());
    return line < m_rows.size() ? line : -1;
}

void FrmRiderSearch::CmdAdd_Click() {
    openScreen(new FrmRiderEntry);
}

void FrmRiderSearch::CmdEdit_Click() {
    const int line = selectedLine();
    if (line < 0) {
        Messages::notice(QStringLiteral("You must first select the rider you want to edit."));
        return;
    }
    auto* edit = new FrmRiderEdit;
    edit->InitializeRecord(m_rows.at(line).RiderNumber);
    openScreen(edit);
}

void FrmRiderSearch::CmdDelete_Click() {
    const int line = selectedLine();
    if (line < 0) {
        Messages::notice(QStringLiteral("You must first select the rider you want to delete."));
        return;
    }
    const QString number = m_rows.at(line).RiderNumber;
    bool entered = false;
    if (!Controls::guarded([&] { entered = RiderStore::isEntered(number); }))
        return;
    if (entered) {
        Messages::notice(QStringLiteral("You may not delete a rider who is entered in a class."));
        return;
    }
    if (!Messages::confirm(QStringLiteral("You are about to delete the selected rider. This action "
                                          "cannot be undone. Are you sure you want to continue?")))
        return;
    bool removed = false;
    if (!Controls::guarded([&] { removed = RiderStore::remove(number); }))
        return;
    if (!removed)
        Messages::notice(QStringLiteral("No rider is stored under the number %1 any more; "
                                        "nothing was deleted.")
                             .arg(number));
    if (TxtSearchFor->text().isEmpty()) {
        // No search to repeat: drop the line itself so the rider cannot be chosen again.
        m_rows.removeAt(line);
        delete LbResults->takeItem(line);
    } else {
        CmdSearch_Click();
    }
}
