// coltstracker-bench-screens FOLDER... [--runs N]: times the meet-day screens on the database of
// each program folder given (made with coltstracker-district): opening each (built, filled and
// shown), one step of its scroll bar, for the class entry grid a box click and Submit, and the
// preview and Import of a roster of 3,000 riders. Prints the median of each in ms, the districts
// side by side. Runs offscreen unless told otherwise.
#include "BenchSupport.h"
#include "core/AppState.h"
#include "data/ClassTable.h"
#include "data/DatabaseFile.h"
#include "data/Spreadsheet.h"
#include "data/Sql.h"
#include "data/WholeFile.h"
#include "entries/EntryStore.h"
#include "entries/frmClassAssignments.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "placings/FrmPlaceAssign.h"
#include "placings/FrmPointStanding.h"
#include "placings/PlacingStore.h"
#include "riders/FrmImportRiders.h"
#include "rings/FrmRingAssign.h"
#include "rings/RingStore.h"
#include "teams/TeamStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace {

double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

// What one district gives: a row per screen.
struct Row {
    QString screen, shown; // the screen, and what it shows of this district
    double opened = 0, queries = 0;
    QString more;
};
struct Measured {
    QString district;
    QVector<Row> rows;
};

// Times the screens on the open district.
bool measure(int runs, Measured* out) {
    AppState::NumRings = 2;

    QVector<double> open, step;
    for (int k = 0; k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        auto* form = new FrmRingAssign;
        form->Initialize_Form(1);
        form->show();
        QApplication::processEvents();
        open << msSince(timer);
        auto* bar = form->findChild<QScrollBar*>(QStringLiteral("TeamScroll"));
        for (int s = 0; s < 10 && bar->value() < bar->maximum(); ++s) {
            timer.restart();
            bar->setValue(bar->value() + 1);
            QApplication::processEvents();
            step << msSince(timer);
        }
        delete form;
    }
    // The class entry grid of the team with the most riders: open, one box click, Submit.
    struct YesPresenter : MessagePresenter {
        Answer present(const MessageRequest& request) override {
            return request.kind == MessageRequest::Kind::Notice ? Answer::Ok : Answer::Yes;
        }
    } yes;
    Messages::setPresenter(&yes);
    const auto biggest = Sql::first<std::pair<qint32, int>>(
        "SELECT TeamCode, COUNT(*) AS Riders FROM TblPerson GROUP BY TeamCode"
        " ORDER BY Riders DESC LIMIT 1",
        {}, [](const QSqlQuery& q) {
            return std::pair{q.value("TeamCode").toInt(), q.value("Riders").toInt()};
        });
    QVector<double> gridOpen, boxClick, submit;
    for (int k = 0; biggest && k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        auto* grid = new frmClassAssignments;
        const QPointer<frmClassAssignments> guard(grid);
        grid->InitializeForm(biggest->first, 1);
        grid->show();
        QApplication::processEvents();
        gridOpen << msSince(timer);
        // A box of a class with room for more entries.
        QAbstractButton* box = nullptr;
        for (int i = 1; !box || !box->isEnabled(); ++i)
            box = grid->findChild<QAbstractButton*>(QStringLiteral("ChbArrayControl(%1)").arg(i));
        for (int c = 0; c < 4; ++c) {
            timer.restart();
            box->click();
            QApplication::processEvents();
            boxClick << msSince(timer);
        }
        timer.restart();
        grid->findChild<QPushButton*>(QStringLiteral("CmdApply"))->click();
        QApplication::processEvents();
        submit << msSince(timer);
        delete guard.data(); // a successful Submit has closed and deleted it already
    }

    // The placing screen of the class and ring with the most riders offered: open, Submit.
    const auto crowded = Sql::first<std::array<int, 4>>(
        "SELECT TblEntry.Week, TblRing.RingNumber, TblEntry.ClassNumber, COUNT(*) AS Riders"
        " FROM TblEntry INNER JOIN TblPerson ON TblEntry.RiderNumber = TblPerson.RiderNumber"
        " INNER JOIN TblRing ON TblRing.TeamCode = TblPerson.TeamCode"
        " AND TblRing.Week = TblEntry.Week"
        " GROUP BY 1, 2, 3 ORDER BY Riders DESC LIMIT 1",
        {}, [](const QSqlQuery& q) {
            return std::array<int, 4>{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(),
                                      q.value(3).toInt()};
        });
    const ClassRun crowdedRun =
        crowded ? ClassRun{qint16((*crowded)[1]), qint16((*crowded)[2]), qint16((*crowded)[0])}
                : ClassRun{};
    QVector<double> placingOpen, placingSubmit;
    for (int k = 0; crowded && k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        auto* form = new FrmPlaceAssign;
        const QPointer<FrmPlaceAssign> guard(form);
        form->InitializeForm(crowdedRun);
        form->show();
        QApplication::processEvents();
        placingOpen << msSince(timer);
        for (int p = 0; p < 8; ++p) // all eight places taken
            form->findChild<QComboBox*>(QStringLiteral("CbPlacing(%1)").arg(p))
                ->setCurrentIndex(p + 1);
        timer.restart();
        form->findChild<QPushButton*>(QStringLiteral("CmdSubmit"))->click();
        QApplication::processEvents();
        placingSubmit << msSince(timer);
        delete guard.data();
    }

    // A roster of 3,000 new riders of the district's teams (those of a name of their own), as
    // CSV and as a workbook: its preview (read, checked, shown), and Import (the backup copy
    // and the store). The riders go again after each run.
    QVector<TeamStore::Team> named;
    QHash<QString, int> names;
    const QVector<TeamStore::Team> allTeams = TeamStore::teams();
    for (const TeamStore::Team& team : allTeams)
        ++names[team.TeamName.toLower()];
    for (const TeamStore::Team& team : allTeams)
        if (names.value(team.TeamName.toLower()) == 1)
            named << team;
    const QStringList headings{"Rider Number", "First Name", "Last Name", "Address",
                               "City",         "Zip",        "Team",      "Division"};
    QVector<QVariantList> roster;
    QByteArray csv = headings.join(',').toUtf8() + "\r\n";
    for (int i = 0; i < 3000; ++i) {
        const TeamStore::Team& team = named.at(i % named.size());
        roster << QVariantList{QStringLiteral("N%1").arg(i),
                               "Ava",
                               QStringLiteral("Berg%1").arg(i),
                               "1 Mill Rd",
                               "Salem",
                               "02134",
                               team.TeamName,
                               team.Division};
        QStringList fields;
        for (const QVariant& v : roster.last())
            fields << v.toString();
        csv += fields.join(',').toUtf8() + "\r\n";
    }
    QTemporaryDir rosterFolder;
    const QString csvPath = rosterFolder.filePath("roster.csv");
    const QString xlsxPath = rosterFolder.filePath("roster.xlsx");
    if (!WholeFile::write(csvPath, csv).ok() ||
        !Spreadsheet::write(xlsxPath, "Riders", headings, roster).ok())
        return false;
    struct Import {
        QString file;
        double preview = 0, stored = 0;
        int added = 0;
    };
    QVector<Import> imports{{csvPath}, {xlsxPath}};
    for (Import& import : imports) {
        QVector<double> preview, stored;
        for (int k = 0; k < runs; ++k) {
            QElapsedTimer timer;
            timer.start();
            auto* form = new FrmImportRiders;
            if (!form->InitializeForm(import.file))
                return false;
            form->show();
            QApplication::processEvents();
            preview << msSince(timer);
            timer.restart();
            form->findChild<QPushButton*>(QStringLiteral("CmdImportRiders"))->click();
            QApplication::processEvents();
            stored << msSince(timer);
            QSqlQuery added =
                Sql::run("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber LIKE 'N%'");
            import.added = added.next() ? added.value(0).toInt() : 0;
            Sql::run("DELETE FROM TblPerson WHERE RiderNumber LIKE 'N%'");
        }
        import.preview = BenchSupport::median(preview);
        import.stored = BenchSupport::median(stored);
    }
    Messages::setPresenter(nullptr);

    // The point standings of meet 1: open, and steps of the vertical scroll bar.
    QVector<double> standingsOpen, standingsStep;
    for (int k = 0; k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        auto* form = new FrmPointStanding;
        if (!form->InitializeForm(1)) {
            delete form;
            break;
        }
        form->show();
        QApplication::processEvents();
        standingsOpen << msSince(timer);
        auto* bar = form->findChild<QScrollBar*>(QStringLiteral("Chbvscroll"));
        for (int s = 0; s < 10 && bar->isVisible() && bar->value() < bar->maximum(); ++s) {
            timer.restart();
            bar->setValue(bar->value() + 1);
            QApplication::processEvents();
            standingsStep << msSince(timer);
        }
        delete form;
    }

    // The bare queries each screen runs, for comparison with the whole opening.
    const double ringQueries = BenchSupport::timed(runs, [] {
        TeamStore::teamsByDivision();
        RingStore::assignments(1);
    });
    const double gridQueries = BenchSupport::timed(runs, [&] {
        ClassTable::classes();
        TeamStore::findTeam(biggest->first);
        EntryStore::riders(biggest->first);
        EntryStore::entries(biggest->first, 1);
        EntryStore::pairings(biggest->first, 1);
    });
    const double placingQueries = BenchSupport::timed(runs, [&] {
        ClassTable::classes();
        PlacingStore::offered(crowdedRun);
        PlacingStore::placings(crowdedRun);
    });
    const double standingsQueries = BenchSupport::timed(runs, [] {
        ClassTable::classes();
        TeamStore::teamsByDivision();
        PlacingStore::placingsWithTeams(1);
    });
    const auto row = [out](const QString& screen, const QString& shown, double opened,
                           double queries, const QString& more) {
        out->rows.push_back({screen, shown, opened, queries, more});
    };
    out->district =
        QStringLiteral("%1 teams, %2 riders")
            .arg(TeamStore::teams().size())
            .arg(Sql::first<int>("SELECT COUNT(*) FROM TblPerson", {}, [](const QSqlQuery& q) {
                     return q.value(0).toInt();
                 }).value_or(0));
    row(QStringLiteral("ring assignments"),
        QStringLiteral("%1 teams").arg(TeamStore::teams().size()), BenchSupport::median(open),
        ringQueries,
        QStringLiteral("scroll step %1 ms").arg(BenchSupport::median(step), 0, 'f', 2));
    row(QStringLiteral("class entry grid of a team"),
        QStringLiteral("%1 riders").arg(biggest->second), BenchSupport::median(gridOpen),
        gridQueries,
        QStringLiteral("box click %1 ms, Submit %2 ms")
            .arg(BenchSupport::median(boxClick), 0, 'f', 2)
            .arg(BenchSupport::median(submit), 0, 'f', 1));
    row(QStringLiteral("placing entry, the most riders offered"),
        QStringLiteral("%1 riders").arg((*crowded)[3]), BenchSupport::median(placingOpen),
        placingQueries,
        QStringLiteral("Submit %1 ms").arg(BenchSupport::median(placingSubmit), 0, 'f', 1));
    row(QStringLiteral("point standings"),
        QStringLiteral("%1 teams").arg(TeamStore::teams().size()),
        BenchSupport::median(standingsOpen), standingsQueries,
        QStringLiteral("scroll step %1 ms").arg(BenchSupport::median(standingsStep), 0, 'f', 2));
    row(QStringLiteral("roster import preview, CSV"),
        QStringLiteral("%1 riders").arg(imports[0].added), imports[0].preview, 0,
        QStringLiteral("Import %1 ms").arg(imports[0].stored, 0, 'f', 1));
    row(QStringLiteral("roster import preview, .xlsx"),
        QStringLiteral("%1 riders").arg(imports[1].added), imports[1].preview, 0,
        QStringLiteral("Import %1 ms").arg(imports[1].stored, 0, 'f', 1));
    return true;
}

int main(int argc, char* argv[]) {
    BenchSupport::offscreenUnlessTold();
    QApplication app(argc, argv);
    QStringList folders;
    int runs = 0;
    if (const int failed = BenchSupport::startScreens(app.arguments(), "coltstracker-bench-screens",
                                                      15, &folders, &runs))
        return failed;
    QVector<Measured> all;
    for (const QString& folder : folders) {
        if (!BenchSupport::openDistrict(folder))
            return 1;
        AppState::DBPath = QDir(folder).filePath(DatabaseFile::kFileName);
        Measured measured;
        if (!measure(runs, &measured))
            return 1;
        all << measured;
        BenchSupport::closeDistrict();
    }
    // One column a district; with two, the ratio of the second's time to the first's.
    QString heading = QStringLiteral("| screen (median of %1 runs) |").arg(runs);
    for (const Measured& m : all)
        heading += QStringLiteral(" %1: shown, opened (its bare queries) |").arg(m.district);
    heading += all.size() == 2 ? QStringLiteral(" ratio | more |") : QStringLiteral(" more |");
    std::printf("%s\n|%s\n", qPrintable(heading),
                qPrintable(QString("---|").repeated(heading.count('|') - 1)));
    for (int r = 0; r < all.first().rows.size(); ++r) {
        QString line = QStringLiteral("| %1 |").arg(all.first().rows.at(r).screen);
        for (const Measured& m : all) {
            const Row& row = m.rows.at(r);
            line += QStringLiteral(" %1: %2 ms").arg(row.shown).arg(row.opened, 0, 'f', 1);
            line += row.queries > 0 ? QStringLiteral(" (%1 ms) |").arg(row.queries, 0, 'f', 1)
                                    : QStringLiteral(" |");
        }
        if (all.size() == 2)
            line += QStringLiteral(" %1x |").arg(
                all[1].rows.at(r).opened / all[0].rows.at(r).opened, 0, 'f', 2);
        std::printf("%s %s |\n", qPrintable(line), qPrintable(all.last().rows.at(r).more));
    }
    std::printf("| peak memory of this run | %s |\n", qPrintable(BenchSupport::peakMemory()));
    return 0;
}
