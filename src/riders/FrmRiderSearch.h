#pragma once

#include "forms/FormBase.h"
#include "riders/RiderStore.h"

#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The rider search: finds riders by a piece of a name, number or team, and opens the rider
// entry and edit forms or deletes the chosen rider.
class FrmRiderSearch : public FormBase {
    Q_OBJECT
public:
    FrmRiderSearch();

protected:
    // Repeats the last search, so the list shows what the entry and edit forms changed.
    void Form_Activate() override;

private slots:
    void CmdSearch_Click();
    void CmdAdd_Click();
    void CmdEdit_Click();
    void CmdDelete_Click();
    void CmdRiderReport_Click();

private:
    // The selected line, or -1.
    int selectedLine() const;

    QLabel* LblFormTitle;
    QLabel* LblSearchBy;
    QComboBox* LbSearchBy;
    QLabel* LblSearchFor;
    QLineEdit* TxtSearchFor;
    QPushButton* CmdSearch;
    QListWidget* LbResults;
    QPushButton* CmdEdit;
    QPushButton* CmdAdd;
    QPushButton* CmdDelete;
    QPushButton* CmdRiderReport;

    // The rows of the last search: line k of LbResults is element k.
    QVector<RiderStore::RiderLine> m_rows;
};
