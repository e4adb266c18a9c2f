#pragma once

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

private:
    QLabel* LblPlacings;
    QLabel* LblRing;
    QComboBox* CbRing;
    QLabel* LblClass;
    QComboBox* CbClass;
    QPushButton* CmdAddPlacings;
    QPushButton* CmdViewPoints;

    qint16 m_week = 1;
    // Line k of CbClass is m_classes[k].
    QVector<ClassTable::Class> m_classes;
};
