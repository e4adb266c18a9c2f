#pragma once

#include "forms/FormBase.h"
#include "placings/PlacingStore.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

// Class Placings: the first to eighth place of one class in one ring at a meet.
class FrmPlaceAssign : public FormBase {
    Q_OBJECT
public:
    FrmPlaceAssign();

    // Fills the screen for the class, ring and meet with the riders offered and the places
    // stored. False, after telling the secretary why, when the screen cannot be used.
    bool InitializeForm(const ClassRun& run);

private slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();

private:
    QLabel* LblRing;
    QLabel* TxtRing;
    QLabel* LblWeek;
    QLabel* TxtWeek;
    QLabel* LblClass;
    QLabel* TxtClass;
    std::array<QLabel*, 8> LblPlace{};
    std::array<QComboBox*, 8> CbPlacing{};
    QPushButton* CmdSubmit;
    QPushButton* CmdCancel;

    ClassRun m_run;
    // Line k (k >= 1) of every place list is m_offered[k - 1]; line 0 is "N/A".
    QVector<PlacingStore::Offered> m_offered;
    // Stored places of riders no longer offered, cleared by the next Submit.
    int m_clearedCount = 0;
};
