#include "riders/FrmImportRiders.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "data/Backups.h"
#include "data/SheetFile.h"
#include "data/Sql.h"
#include "forms/Controls.h"
#include "forms/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The preview's columns: the row of the file, what it holds, and what becomes of it.
const RosterImport::Column kShown[] = {RosterImport::RiderNumber, RosterImport::FirstName,
                                       RosterImport::LastName, RosterImport::Team,
                                       RosterImport::Division};

QStringList columnTitles() {
    QStringList titles{QStringLiteral("Row")};
    for (const RosterImport::Column c : kShown)
        titles << RosterImport::name(c);
    return titles << QStringLiteral("Import");
}

QString counted(qsizetype n, const QString& one, const QString& more) {
    return QString::number(n) + ' ' + (n == 1 ? one : more);
}

QString outcomeText(const RosterImport::Line& line) {
    switch (line.what) {
    case RosterImport::What::Added:
        return QStringLiteral("Added");
    case RosterImport::What::AddedWithNewTeam:
        return QStringLiteral("Added, with the new team %1 (division %2)")
            .arg(line.cells.at(RosterImport::Team), line.cells.at(RosterImport::Division));
    case RosterImport::What::Refused:
        break;
    }
    return QStringLiteral("Refused: ") + line.reason;
}

} // namespace

FrmImportRiders::FrmImportRiders()
    : FormBase(QStringLiteral("FrmImportRiders"), QStringLiteral("Import Riders"), 10800, 7200) {
    using namespace Controls;
    LblFile = label(this, "LblFile", QString(), 240, 120, 10320, 255);
    LblCounts = label(this, "LblCounts", QString(), 240, 420, 10320, 255);
    const QStringList titles = columnTitles();
    GrdRows = new QTableWidget(0, int(titles.size()), this);
    Controls::name(GrdRows, QStringLiteral("GrdRows"));
    GrdRows->setGeometry(Twips::rect(240, 780, 10320, 5700));
    GrdRows->setHorizontalHeaderLabels(titles);
    GrdRows->verticalHeader()->hide();
    GrdRows->verticalHeader()->setDefaultSectionSize(Twips::toPixels(285));
    GrdRows->horizontalHeader()->setStretchLastSection(true);
    GrdRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrdRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrdRows->setWordWrap(false);
    CmdImportRiders = button(this, "CmdImportRiders", "Import", 7920, 6660, 1215, 375);
    CmdCancel = button(this, "CmdCancel", "Cancel", 9345, 6660, 1215, 375);
    tabOrder({{0, GrdRows}, {1, CmdImportRiders}, {2, CmdCancel}});
    setMainButton(CmdImportRiders);
    setCancelButton(CmdCancel);
    connect(CmdImportRiders, &QPushButton::clicked, this, &FrmImportRiders::CmdImportRiders_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmImportRiders::CmdCancel_Click);
    centre();
}

bool FrmImportRiders::InitializeForm(const QString& path) {
    const QString shownPath = QDir::toNativeSeparators(path);
    const SheetFile::Read read = SheetFile::read(path);
    if (!read.failure.isEmpty() || read.sheets.isEmpty()) {
        Messages::notice(QStringLiteral("The file %1 cannot be read: %2. Nothing was imported.")
                             .arg(shownPath, read.failure));
        return false;
    }
    // The first sheet with the needed headings: a workbook may hold other sheets first.
    const SheetFile::Sheet* sheet = nullptr;
    RosterImport::Headings columns;
    for (const SheetFile::Sheet& s : read.sheets) {
        columns = RosterImport::findColumns(s.rows.value(0));
        if (columns.missing.isEmpty()) {
            sheet = &s;
            break;
        }
    }
    if (!sheet) {
        const QStringList first = read.sheets.first().rows.value(0);
        Messages::notice(RosterImport::missingHeadings(RosterImport::findColumns(first), first));
        return false;
    }
    RosterImport::District district;
    if (!Controls::guarded([&] { district = RosterImport::districtFor(sheet->rows, columns); }))
        return false;
    m_plan = RosterImport::plan(sheet->rows, columns, district);
    if (m_plan.lines.isEmpty()) {
        Messages::notice(
            QStringLiteral("The file %1 holds no riders under its headings.").arg(shownPath));
        return false;
    }

    LblFile->setText(
        read.sheets.size() > 1
            ? QStringLiteral("File: %1, sheet %2").arg(QFileInfo(path).fileName(), sheet->name)
            : QStringLiteral("File: %1").arg(QFileInfo(path).fileName()));
    LblCounts->setText(QStringLiteral("Riders to add: %1     New teams: %2     Rows refused: %3")
                           .arg(m_plan.added)
                           .arg(m_plan.newTeams.size())
                           .arg(m_plan.refused));
    GrdRows->setRowCount(int(m_plan.lines.size()));
    for (int r = 0; r < m_plan.lines.size(); ++r) {
        const RosterImport::Line& line = m_plan.lines.at(r);
        QStringList texts{QString::number(line.fileRow)};
        for (const RosterImport::Column c : kShown)
            texts << line.cells.at(c);
        texts << outcomeText(line);
        const QColor shade = line.what == RosterImport::What::Refused ? QColor(255, 226, 226)
                             : line.what == RosterImport::What::AddedWithNewTeam
                                 ? QColor(226, 238, 255)
                                 : QColor();
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts.at(c));
            item->setToolTip(texts.at(c)); // the whole of a text the column cuts short
            if (shade.isValid())
                item->setBackground(shade);
            GrdRows->setItem(r, c, item);
        }
    }
    GrdRows->resizeColumnsToContents();
    CmdImportRiders->setEnabled(m_plan.added > 0);
    return true;
}

void FrmImportRiders::CmdImportRiders_Click() {
    if (m_plan.added == 0)
        return;
    const Outcome backup = Backups::write(Sql::db(), AppState::DBPath);
    if (!backup.ok()) {
        Messages::notice(QStringLiteral("Nothing was imported: the backup copy of the records "
                                        "made before an import could not be written. %1")
                             .arg(backup.failure));
        return;
    }
    if (!Controls::guarded([&] { RiderStore::insertRoster(m_plan.newTeams, m_plan.riders()); }))
        return; // nothing stored; the preview stays open
    Messages::notice(QStringLiteral("%1 and %2 were imported.")
                         .arg(counted(m_plan.added, "rider", "riders"),
                              counted(m_plan.newTeams.size(), "new team", "new teams")));
    closeWithoutAsking();
}

void FrmImportRiders::CmdCancel_Click() {
    closeWithoutAsking();
}
