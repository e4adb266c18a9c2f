#pragma once

#include "forms/FormBase.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The automatic backups of the database, newest first with what each holds; the secretary
// chooses one to go back to.
class FrmBackups : public FormBase {
    Q_OBJECT
public:
    FrmBackups();

protected:
    void Form_Activate() override;

private slots:
    void CmdRestore_Click();

private:
    QLabel* LblBackups;
    QListWidget* LstBackups;
    QPushButton* CmdRestore;
    QPushButton* CmdClose;
    QStringList m_copies; // the backup of each line of the list
};
