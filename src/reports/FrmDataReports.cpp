#include "reports/FrmDataReports.h"

#include "core/AppState.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "reports/ReportWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmDataReports::FrmDataReports()
    : FormBase(QStringLiteral("FrmDataReports"), QStringLiteral("Reports Form"), 9315, 2805) {
    using namespace Controls;
    const QFont bold = Fonts::classic(9.75, true);
    Label1 = label(this, "Label1", "Class Sheet Generator", 600, 240, 2895, 255,
                   Fonts::classic(12, true));
    Label2 = label(this, "Label2", "Ring Number", 240, 1200, 1575, 255, bold);
    CbRing = dropDownList(this, "CbRing", 1680, 1200, 855, 315);
    Label3 = label(this, "Label3", "Class", 3120, 1200, 615, 255, bold);
    CbClass = dropDownList(this, "CbClass", 3840, 1200, 5295, 315);
    CmdViewReport = button(this, "CmdViewReport", "View Class Sheet", 3480, 1920, 2055, 615);
    setMainButton(CmdViewReport);
    tabOrder(
        {{0, CbClass}, {1, CbRing}, {2, CmdViewReport}, {3, Label1}, {4, Label2}, {5, Label3}});
    connect(CmdViewReport, &QPushButton::clicked, this, &FrmDataReports::CmdViewReport_Click);

    centre();
    Controls::fillRingsAndClasses(CbRing, CbClass, &m_classes);
}

void FrmDataReports::Set_Week(qint16 meet) {
    m_week = meet;
}

void FrmDataReports::CmdViewReport_Click() {
    if (CbRing->currentIndex() < 0) {
        Messages::notice(QStringLiteral("Please Enter the Ring Number for the Class Sheet"));
        return;
    }
    const int position = CbClass->currentIndex();
    if (position < 0 || position >= m_classes.size()) {
        Messages::notice(QStringLiteral("Please Enter the Which Class the Class Sheet is for"));
        return;
    }
    const int ring = CbRing->currentIndex() + 1;
    const int classNumber = m_classes.at(position).ClassNumber;
    QVector<Report::Row> rows;
    if (!Controls::guarded([&] {
            rows = Reports::classSheet({qint16(ring), qint16(classNumber), m_week});
        }))
        return;
    ReportWindow::open(
        classNumber == ClassTable::kRelayClass ? Reports::Kind::ClassEntries18
                                               : Reports::Kind::ClassEntries,
        rows,
        {{QStringLiteral("LblReportTitle"), Reports::classSheetTitle(AppState::DistrictNum)},
         {QStringLiteral("RhTitle"), Reports::classSheetHeading(ring, CbClass->currentText())}},
        QStringLiteral("Meet %1 Ring %2 Class %3 %4")
            .arg(m_week)
            .arg(ring)
            .arg(classNumber)
            .arg(m_classes.at(position).ClassName));
}
