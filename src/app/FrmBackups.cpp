#include "app/FrmBackups.h"

#include "core/AppState.h"
#include "data/Backups.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "forms/Controls.h"
#include "forms/Messages.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

FrmBackups::FrmBackups()
    : FormBase(QStringLiteral("FrmBackups"), QStringLiteral("Backups"), 7200, 4440) {
    using namespace Controls;
    LblBackups = label(this, "LblBackups", "Backups, newest first", 240, 240, 6720, 255);
    LstBackups = listBox(this, "LstBackups", 240, 600, 6720, 2880);
    CmdRestore = button(this, "CmdRestore", "Restore", 1080, 3720, 1695, 495);
    CmdClose = button(this, "CmdClose", "Close", 4440, 3720, 1695, 495);
    tabOrder({{0, LstBackups}, {1, CmdRestore}, {2, CmdClose}, {3, LblBackups}});

    connect(CmdRestore, &QPushButton::clicked, this, &FrmBackups::CmdRestore_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmBackups::close);
    centre();
}

void FrmBackups::Form_Activate() {
    m_copies = Backups::existing(AppState::DBPath);
    LstBackups->clear();
    for (const QString& copy : m_copies) {
        const Backups::Contents held = Backups::contentsOf(copy);
        LstBackups->addItem(Backups::whenMade(copy) + QStringLiteral("    ") +
                            (held.readable
                                 ? QStringLiteral("teams %1, riders %2, entries %3, placings %4")
                                       .arg(held.teams)
                                       .arg(held.riders)
                                       .arg(held.entries)
                                       .arg(held.placings)
                                 : QStringLiteral("cannot be read")));
    }
}

void FrmBackups::CmdRestore_Click() {
    const int row = LstBackups->currentRow();
    if (row < 0 || row >= m_copies.size()) {
        Messages::notice(QStringLiteral("Choose the backup to restore in the list first."));
        return;
    }
    const QString copy = m_copies.at(row);
    const QString when = Backups::whenMade(copy);
    if (!Messages::confirm(QStringLiteral("The records as they are now will be kept as a backup "
                                          "first. Restore the backup from %1 now?")
                               .arg(when)))
        return;
    DatabaseFile::OpenNotes notes;
    const Outcome restored =
        DatabaseFile::restore(copy, AppState::DBPath, Sql::kConnectionName, &notes);
    QString said = restored.ok() ? QStringLiteral("The backup from %1 is restored, and "
                                                  "ColtsTracker now works with its records.")
                                       .arg(when)
                                 : restored.failure;
    if (!notes.notice.isEmpty())
        said += QStringLiteral("\n\n") + notes.notice;
    Messages::notice(said);
    Form_Activate();
}
