#pragma once

#include "core/ClassRun.h"
#include "data/ClassTable.h"
#include "forms/FormBase.h"

class QComboBox;
class QLabel;
class QPushButton;

// Class Placings: the secretary chooses the ring and class whose placings to enter at the
// meet.
class FrmAssignments : public FormBase {
    Q_OBJECT
public:
    FrmAssignments();

    // The meet whose placings are entered.
    void Set_Week(qint16 meet);

private slots:
    void CmdAddPlacings_Click();
    void CmdViewPoints_Click();
    void CmdClassResults_Click();

private:
    // The ring and class chosen, or a notice and false when one is not.
    bool chosenRun(ClassRun* run, QString* className);

    QLabel* LblPlacings;
    QLabel* LblRing;
    QComboBox* CbRing;
    QLabel* LblClass;
    QComboBox* CbClass;
    QPushButton* CmdAddPlacings;
    QPushButton* CmdViewPoints;
    QPushButton* CmdClassResults;

    qint16 m_week = 1;
    // Line k of CbClass is m_classes[k].
    QVector<ClassTable::Class> m_classes;
};
