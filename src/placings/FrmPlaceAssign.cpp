#include "placings/FrmPlaceAssign.h"

#include "data/ClassTable.h"
#include "data/DbError.h"
#include "forms/Controls.h"
#include "forms/Messages.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const kPlaceNames[8] = {"First", "Second", "Third",   "Fourth",
                                    "Fifth", "Sixth",  "Seventh", "Eighth"};

QLabel* boxedLabel(QWidget* form, const char* name, int left, int top, int width, int height) {
    QLabel* l = Controls::label(form, name, QString(), left, top, width, height);
    l->setFrameShape(QFrame::Box);
    return l;
}

} // namespace

FrmPlaceAssign::FrmPlaceAssign()
    : FormBase(QStringLiteral("FrmPlaceAssign"), QStringLiteral("Class Placings"), 7260, 8310) {
    using namespace Controls;
    LblRing = label(this, "LblRing", "Ring", 840, 600, 855, 255);
    TxtRing = boxedLabel(this, "TxtRing", 1560, 600, 615, 255);
    LblWeek = label(this, "LblWeek", "Meet", 1800, 600, 855, 255);
    TxtWeek = boxedLabel(this, "TxtWeek", 2400, 600, 615, 255);
    LblWeek->hide(); // the screen shows ring and class only
    TxtWeek->hide();
    LblClass = label(this, "LblClass", "Class", 840, 1200, 735, 255);
    TxtClass = boxedLabel(this, "TxtClass", 1560, 1200, 4695, 255);
    QVector<std::pair<int, QWidget*>> tabs;
    for (int i = 0; i < 8; ++i) {
        LblPlace[i] =
            label(this, QStringLiteral("Lbl%1").arg(kPlaceNames[i]),
                  QStringLiteral("%1 Place").arg(kPlaceNames[i]), 840, 1920 + 600 * i, 1455, 255);
        CbPlacing[i] =
            dropDownList(this, arrayName("CbPlacing", i), 2400, 1800 + 600 * i, 3855, 315);
        tabs.push_back({i, CbPlacing[i]});
    }
    CmdSubmit = button(this, "CmdSubmit", "Submit", 1800, 6960, 1815, 495);
    CmdCancel = button(this, "CmdCancel", "Cancel", 4440, 6960, 1815, 495);
    setMainButton(CmdSubmit);
    setCancelButton(CmdCancel);
    tabs.push_back({8, CmdSubmit});
    tabs.push_back({9, CmdCancel});
    tabOrder(tabs);
    connect(CmdSubmit, &QPushButton::clicked, this, &FrmPlaceAssign::CmdSubmit_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmPlaceAssign::CmdCancel_Click);
    setAsksBeforeClosing();
    centre();
}

bool FrmPlaceAssign::InitializeForm(const ClassRun& run) {
    m_run = run;
    const int classNumber = run.ClassNumber;
    TxtRing->setText(QString::number(run.Ring));
    TxtWeek->setText(QString::number(run.Week));
    QVector<ClassTable::Class> classes;
    if (!Controls::guarded([&] { classes = ClassTable::classes(); },
                           {QStringLiteral("The placings cannot be entered")}))
        return false;
    if (classNumber < 1 || classNumber > classes.size())
        return false;
    const ClassTable::Class& c = classes.at(classNumber - 1);
    TxtClass->setText(QStringLiteral("Class %1 - %2").arg(c.ClassNumber).arg(c.ClassName));

    const bool relay = classNumber == ClassTable::kRelayClass;
    QHash<QString, PlacingStore::Partner> partners;
    QVector<PlacingStore::Placing> stored;
    if (!Controls::guarded([&] {
            if (relay)
                partners = PlacingStore::partners(run);
            m_offered = PlacingStore::offered(run);
            stored = PlacingStore::placings(run);
        }))
        return false;
    QStringList lines{QStringLiteral("N/A")};
    for (const PlacingStore::Offered& rider : m_offered) {
        QString line = rider.PersonNumber + QStringLiteral(" - ") + rider.FirstName +
                       QStringLiteral(" ") + rider.LastName;
        if (relay) {
            const auto partner = partners.constFind(rider.PersonNumber.toCaseFolded());
            line += partner == partners.constEnd()
                        ? QStringLiteral(" and (no partner listed)")
                        : QStringLiteral(" and ") + partner->PartnerNumber + QStringLiteral(" - ") +
                              partner->PartnerFirst + QStringLiteral(" ") + partner->PartnerLast;
        }
        lines << line;
    }
    // With nobody offered the lists stay empty.
    for (QComboBox* list : CbPlacing) {
        if (!m_offered.isEmpty()) {
            list->addItems(lines);
            list->setCurrentIndex(0);
        }
    }
    // A stored place whose rider is offered no more is never shown as somebody else.
    QStringList cleared;
    for (const PlacingStore::Placing& p : stored) {
        int found = -1;
        for (int k = 0; k < m_offered.size() && found < 0; ++k) {
            if (m_offered.at(k).PersonNumber.compare(p.RiderNumber, Qt::CaseInsensitive) == 0)
                found = k;
        }
        if (p.Place < 1 || p.Place > 8)
            continue;
        if (found < 0)
            cleared << QStringLiteral("%1 Place: rider %2")
                           .arg(kPlaceNames[p.Place - 1], p.RiderNumber);
        else
            CbPlacing[p.Place - 1]->setCurrentIndex(found + 1);
    }
    m_clearedCount = int(cleared.size());
    // Nothing to choose and nothing to clear: Submit has nothing to do.
    CmdSubmit->setEnabled(!m_offered.isEmpty() || !cleared.isEmpty());
    if (!cleared.isEmpty()) {
        const QString text =
            m_offered.isEmpty()
                ? QStringLiteral("No rider is entered in this class in this ring any more, but "
                                 "these placings are stored and still count in the standings. "
                                 "Press Submit to clear them: %1.")
                      .arg(cleared.join(QStringLiteral("; ")))
                : QStringLiteral("These stored placings are of riders no longer entered in this "
                                 "class in this ring, so their places show N/A and are cleared "
                                 "when the placings are submitted: %1.")
                      .arg(cleared.join(QStringLiteral("; ")));
        QMetaObject::invokeMethod(
            this, [text] { Messages::notice(text); }, Qt::QueuedConnection);
    }
    return true;
}

void FrmPlaceAssign::CmdSubmit_Click() {
    const QString question =
        m_offered.isEmpty()
            ? QStringLiteral("This will clear the %1 stored %2 of this class in this ring. Are you "
                             "sure you want to continue?")
                  .arg(m_clearedCount)
                  .arg(m_clearedCount == 1 ? QStringLiteral("place") : QStringLiteral("places"))
            : Messages::kSaveQuestion;
    if (!Messages::confirm(question))
        return;
    for (int i = 0; i < 7; ++i) {
        const int chosen = CbPlacing[i]->currentIndex();
        for (int j = i + 1; chosen > 0 && j < 8; ++j) {
            if (CbPlacing[j]->currentIndex() == chosen) {
                Messages::notice(QStringLiteral("The current placings cannot be saved. Make sure "
                                                "you do not have the same person placing twice"));
                return;
            }
        }
    }
    QVector<PlacingStore::Placing> rows;
    for (int i = 0; i < 8; ++i) {
        const int chosen = CbPlacing[i]->currentIndex();
        if (chosen > 0 && chosen <= m_offered.size())
            rows.push_back({i + 1, m_offered.at(chosen - 1).PersonNumber});
    }
    if (Controls::guarded([&] { PlacingStore::replace(m_run, rows); }))
        closeWithoutAsking();
}

void FrmPlaceAssign::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
