// coltstracker-district FOLDER [--teams N] [--riders N] [--rings N] [--meets N] [--seed N]: fills
// the empty database of a program folder with a made-up district: teams in all four divisions, one
// head coach and up to two assistants a team, riders with names, addresses and unique numbers, and
// each team's ring (of N, default 2), class entries and relay pair at each of the first N meets
// (default all three), and the first eight places of every class in every ring.
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/DeliveredClasses.h"
#include "data/Sql.h"
#include "data/Transaction.h"
#include "entries/EntryStore.h"
#include "placings/PlacingStore.h"
#include "rings/RingStore.h"
#include "teams/TeamStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

const QStringList kFirst = {
    "Emma",  "Olivia", "Ava",   "Sophia", "Isabella", "Mia",   "Charlotte", "Amelia", "Harper",
    "Ella",  "Grace",  "Chloe", "Lily",   "Hannah",   "Zoe",   "Nora",      "Riley",  "Claire",
    "Anna",  "Leah",   "Maya",  "Sarah",  "Julia",    "Kate",  "Lucy",      "Paige",  "Molly",
    "Jack",  "Liam",   "Noah",  "Owen",   "Ethan",    "Lucas", "Henry",     "Sam",    "Caleb",
    "Dylan", "Ryan",   "Tyler", "Megan",  "Brooke",   "Avery", "Madison",   "Taylor", "Jenna"};
const QStringList kLast = {
    "Smith",    "Johnson", "Williams", "Brown",  "Jones",    "Miller",  "Davis",    "Wilson",
    "Anderson", "Taylor",  "Thomas",   "Moore",  "Martin",   "Jackson", "Thompson", "White",
    "Harris",   "Clark",   "Lewis",    "Walker", "Hall",     "Allen",   "Young",    "King",
    "Wright",   "Scott",   "Green",    "Baker",  "Adams",    "Nelson",  "Hill",     "Campbell",
    "Mitchell", "Carter",  "Roberts",  "Turner", "Phillips", "Parker",  "Evans",    "Collins",
    "Murphy",   "Cook",    "Rogers",   "Morgan", "Bell",     "Cooper",  "Reed",     "O'Brien"};
const QStringList kPlaces = {"Oak Ridge",  "Riverside",   "Maple Hill", "Cedar Creek",
                             "Stonebrook", "Willow Bend", "Fox Run",    "Pine Valley",
                             "Lakeview",   "Meadowbrook", "Briarwood",  "Sunny Acres",
                             "Hillcrest",  "Greenfield",  "Clearwater", "Silver Spur"};
const QStringList kKinds = {"Academy", "Stables", "Equestrian", "Farm", "Riders", "Hunt Club"};
const QStringList kStreets = {"Main St",   "Oak Ave",  "Mill Rd",    "Church St", "Elm St",
                              "Park Ave",  "Ridge Rd", "Lake Dr",    "Hill St",   "Barn Ln",
                              "Meadow Ln", "Pond Rd",  "Orchard Way"};
const QStringList kCities = {"Fairview", "Springfield", "Kingston", "Milford",  "Salem",
                             "Dover",    "Ashland",     "Clinton",  "Franklin", "Oxford"};

QString pick(QRandomGenerator& rng, const QStringList& list) {
    return list.at(int(rng.bounded(quint32(list.size()))));
}

int intArg(const QStringList& args, const QString& name, int fallback) {
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

void fill(int teams, int riders, int rings, int meets, quint32 seed) {
    QRandomGenerator rng(seed);
    Transaction tx;
    QVector<qint32> codes;
    for (int t = 0; t < teams; ++t) {
        QString name = pick(rng, kPlaces) + QLatin1Char(' ') + pick(rng, kKinds);
        if (t >= kPlaces.size() * kKinds.size() / 2)
            name += QStringLiteral(" %1").arg(t + 1);
        const QString division = QString(QChar('A' + t % 4));
        const qint32 code = TeamStore::insertTeam(name, division);
        codes.push_back(code);
        const int coaches = 1 + int(rng.bounded(3));
        for (int c = 0; c < coaches; ++c) {
            const QString first = pick(rng, kFirst), last = pick(rng, kLast);
            TeamStore::Coach coach;
            coach.FirstName = first;
            coach.LastName = last;
            coach.Address =
                QStringLiteral("%1 %2").arg(rng.bounded(10, 999)).arg(pick(rng, kStreets));
            coach.City = pick(rng, kCities);
            coach.Zip = QStringLiteral("%1").arg(rng.bounded(10000, 99999));
            coach.Primary = QStringLiteral("555-%1").arg(rng.bounded(1000, 9999));
            coach.Secondary = QStringLiteral("555-%1").arg(rng.bounded(1000, 9999));
            coach.Email = QStringLiteral("%1.%2@example.org").arg(first.toLower(), last.toLower());
            coach.Position =
                c == 0 ? QStringLiteral("Head Coach") : QStringLiteral("Assistant Coach");
            coach.TeamCode = code;
            TeamStore::insertCoach(coach);
        }
    }
    for (int r = 0; r < riders && !codes.isEmpty(); ++r) {
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, Address, City, Zip,"
                 " TeamCode) VALUES (?,?,?,?,?,?,?)",
                 {QString::number(101 + r), pick(rng, kFirst), pick(rng, kLast),
                  QStringLiteral("%1 %2").arg(rng.bounded(10, 999)).arg(pick(rng, kStreets)),
                  pick(rng, kCities), QStringLiteral("%1").arg(rng.bounded(10000, 99999)),
                  codes.at(r % codes.size())});
    }
    // Every team rides in a ring at each meet made.
    for (qint16 week = 1; week <= meets; ++week) {
        QVector<RingStore::Assignment> assignments;
        for (qint32 code : codes)
            assignments.push_back({code, static_cast<qint16>(1 + rng.bounded(rings))});
        RingStore::replace(week, assignments);
    }
    // Every team enters its riders at each meet, within the class limits, with one relay
    // pair (two of its riders, neither in another pair) where it has two riders.
    const QVector<ClassTable::Class>& classes = deliveredClasses();
    for (qint32 code : codes) {
        const QVector<EntryStore::Rider> team = EntryStore::riders(code);
        QVector<QString> numbers;
        for (const EntryStore::Rider& r : team)
            numbers << r.RiderNumber;
        for (qint16 week = 1; week <= meets && !team.isEmpty(); ++week) {
            QVector<EntryStore::Entry> entries;
            QVector<EntryStore::Pairing> pairs;
            for (const ClassTable::Class& c : classes) {
                if (c.ClassNumber == ClassTable::kRelayClass) {
                    if (team.size() < 2 || rng.bounded(4) == 0)
                        continue;
                    const int a = int(rng.bounded(team.size()));
                    const int b = (a + 1 + int(rng.bounded(team.size() - 1))) % int(team.size());
                    entries.push_back({team.at(a).RiderNumber, c.ClassNumber});
                    pairs.push_back({team.at(a).RiderNumber, team.at(b).RiderNumber,
                                     team.at(b).FirstName, team.at(b).LastName});
                    continue;
                }
                QVector<int> chosen;
                for (int slot = 0; slot < c.MaxEntries; ++slot) {
                    const int k = int(rng.bounded(team.size()));
                    if (rng.bounded(3) != 0 && !chosen.contains(k))
                        chosen.push_back(k);
                }
                for (int k : chosen)
                    entries.push_back({team.at(k).RiderNumber, c.ClassNumber});
            }
            EntryStore::replace(numbers, week, entries, pairs);
        }
    }
    // The first eight places of every class in every ring at each meet, from its entries.
    for (qint16 week = 1; week <= meets; ++week) {
        for (int ring = 1; ring <= rings; ++ring) {
            for (const ClassTable::Class& c : classes) {
                const ClassRun run{qint16(ring), qint16(c.ClassNumber), week};
                QVector<PlacingStore::Offered> offered = PlacingStore::offered(run);
                QVector<PlacingStore::Placing> placings;
                for (int place = 1; place <= 8 && !offered.isEmpty(); ++place) {
                    const int k = int(rng.bounded(offered.size()));
                    placings.push_back({place, offered.takeAt(k).PersonNumber});
                }
                PlacingStore::replace(run, placings);
            }
        }
    }
    tx.commit();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.at(1).startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: coltstracker-district PROGRAM_FOLDER [--teams N] [--riders N] "
                             "[--rings N] [--meets N] [--seed N]\n");
        return 2;
    }
    const int teams = intArg(args, "--teams", 40);
    const int riders = intArg(args, "--riders", 600);
    const quint32 seed = quint32(intArg(args, "--seed", 1));
    const int rings = std::clamp(intArg(args, "--rings", 2), 1, 12);
    const int meets = std::clamp(intArg(args, "--meets", 3), 0, 3);
    const QString path = QDir(args.at(1)).filePath(DatabaseFile::kFileName);
    const QString error = DatabaseFile::open(path, Sql::kConnectionName).failure;
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    try {
        if (Sql::exists("SELECT 1 FROM TblTeam")) {
            std::fprintf(stderr, "%s already holds teams; use a new program folder.\n",
                         qPrintable(path));
            return 1;
        }
        fill(teams, riders, rings, meets, seed);
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.reason()));
        return 1;
    }
    std::printf("Made %d teams and %d riders in %s\n", teams, riders, qPrintable(path));
    return 0;
}
