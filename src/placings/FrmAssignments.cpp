#include "placings/FrmAssignments.h"

#include "core/AppState.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "placings/FrmPlaceAssign.h"
#include "placings/FrmPointStanding.h"
#include "reports/ReportWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmAssignments::FrmAssignments()
    : FormBase(QStringLiteral("FrmAssignments"), QStringLiteral("Class Placings"), 7815, 3420) {
    using namespace Controls;
    const QFont bold = Fonts::classic(8.25, true);
    LblPlacings = label(this, "LblPlacings", "Enter Placings For", 480, 360, 2535, 255,
                        Fonts::classic(12, true));
    LblRing = label(this, "LblRing", "Ring", 480, 840, 855, 375, bold);
    CbRing = dropDownList(this, "CbRing", 480, 1200, 495, 315);
    LblClass = label(this, "LblClass", "Class", 1440, 840, 855, 375, bold);
    CbClass = dropDownList(this, "CbClass", 1440, 1200, 3495, 315);
    CmdAddPlacings = button(this, "CmdAddPlacings", "Add Placings", 5520, 1200, 1815, 375);
    setMainButton(CmdAddPlacings);
    CmdViewPoints = button(this, "CmdViewPoints", "View Points Standings", 2640, 2640, 2535, 495);
    CmdClassResults = button(this, "CmdClassResults", "Class Results", 5520, 1680, 1815, 375);
    tabOrder(
        {{0, CbRing}, {1, CmdAddPlacings}, {2, CbClass}, {3, CmdViewPoints}, {4, CmdClassResults}});
    connect(CmdAddPlacings, &QPushButton::clicked, this, &FrmAssignments::CmdAddPlacings_Click);
    connect(CmdViewPoints, &QPushButton::clicked, this, &FrmAssignments::CmdViewPoints_Click);
    connect(CmdClassResults, &QPushButton::clicked, this, &FrmAssignments::CmdClassResults_Click);

    centre();
    Controls::fillRingsAndClasses(CbRing, CbClass, &m_classes);
}

void FrmAssignments::Set_Week(qint16 meet) {
    m_week = meet;
}

void FrmAssignments::CmdViewPoints_Click() {
    auto* form = new FrmPointStanding;
    if (form->InitializeForm(m_week))
        openScreen(form);
    else
        form->deleteLater(); // it has said why; this screen stays
}

bool FrmAssignments::chosenRun(ClassRun* run, QString* className) {
    if (CbRing->currentIndex() < 0) {
        Messages::notice(
            QStringLiteral("You must provide the ring number you are trying to place."));
        return false;
    }
    const int position = CbClass->currentIndex();
    if (position < 0 || position >= m_classes.size()) {
        Messages::notice(QStringLiteral("You must provide the class you are trying to place."));
        return false;
    }
    *run = {qint16(CbRing->currentIndex() + 1), qint16(m_classes.at(position).ClassNumber), m_week};
    *className = m_classes.at(position).ClassName;
    return true;
}

void FrmAssignments::CmdAddPlacings_Click() {
    ClassRun run;
    QString className;
    if (!chosenRun(&run, &className))
        return;
    auto* form = new FrmPlaceAssign;
    if (form->InitializeForm(run))
        openScreen(form);
    else
        form->deleteLater(); // it has said why; this screen stays
}

void FrmAssignments::CmdClassResults_Click() {
    ClassRun run;
    QString className;
    if (!chosenRun(&run, &className))
        return;
    QVector<Report::Row> rows;
    if (Controls::guarded([&] { rows = Reports::classResults(AppState::DistrictNum, run); }))
        ReportWindow::open(Reports::Kind::ClassResults, rows, {},
                           QStringLiteral("Meet %1 Ring %2 Class %3 %4")
                               .arg(run.Week)
                               .arg(run.Ring)
                               .arg(run.ClassNumber)
                               .arg(className));
}
