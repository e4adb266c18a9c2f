#pragma once

#include "data/ClassTable.h"
#include "forms/FormBase.h"

class QComboBox;
class QLabel;
class QPushButton;

// Reports Form: the class sheet of one ring and class at the meet, for the ring steward.
class FrmDataReports : public FormBase {
    Q_OBJECT
public:
    FrmDataReports();

    // The meet whose class sheets are printed.
    void Set_Week(qint16 meet);

private slots:
    void CmdViewReport_Click();

private:
    QLabel* Label1;
    QLabel* Label2;
    QComboBox* CbRing;
    QLabel* Label3;
    QComboBox* CbClass;
    QPushButton* CmdViewReport;

    qint16 m_week = 1;
    // Line k of CbClass is m_classes[k].
    QVector<ClassTable::Class> m_classes;
};
