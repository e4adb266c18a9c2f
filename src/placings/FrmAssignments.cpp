#include "placings/FrmAssignments.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "placings/FrmPlaceAssign.h"
#include "placings/FrmPointStanding.h"

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
    tabOrder({{0, CbRing}, {1, CmdAddPlacings}, {2, CbClass}, {3, CmdViewPoints}});
    connect(CmdAddPlacings, &QPushButton::clicked, this, &FrmAssignments::CmdAddPlacings_Click);
    connect(CmdViewPoints, &QPushButton::clicked, this, &FrmAssignments::CmdViewPoints_Click);

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

void FrmAssignments::CmdAddPlacings_Click() {
    if (CbRing->currentIndex() < 0) {
        Messages::notice(
            QStringLiteral("You must provide the ring number you are trying to place."));
        return;
    }
    const int position = CbClass->currentIndex();
    if (position < 0 || position >= m_classes.size()) {
        Messages::notice(QStringLiteral("You must provide the class you are trying to place."));
        return;
    }
    auto* form = new FrmPlaceAssign;
    if (form->InitializeForm({qint16(CbRing->currentIndex() + 1),
                              qint16(m_classes.at(position).ClassNumber), m_week}))
        openScreen(form);
    else
        form->deleteLater(); // it has said why; this screen stays
}
