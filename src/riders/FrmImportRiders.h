#pragma once

#include "forms/FormBase.h"
#include "riders/RosterImport.h"

class QLabel;
class QPushButton;
class QTableWidget;

// Import Riders: every row of a roster file and what will become of it, before anything is
// stored; Import stores every accepted row at once, after a backup copy of the records.
class FrmImportRiders : public FormBase {
    Q_OBJECT
public:
    FrmImportRiders();
    // Reads the roster at `path` and shows its rows; false, with the reason shown, when the
    // file cannot be read or lacks a needed column.
    bool InitializeForm(const QString& path);

private slots:
    void CmdImportRiders_Click();
    void CmdCancel_Click();

private:
    QLabel* LblFile;
    QLabel* LblCounts;
    QTableWidget* GrdRows;
    QPushButton* CmdImportRiders;
    QPushButton* CmdCancel;

    RosterImport::Plan m_plan;
};
