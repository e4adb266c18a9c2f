// The rules of the core, without a window: who may ride the relay with whom.
#include "entries/RelayRule.h"
#include "support/TestDistrict.h"

namespace {

// Team 1 with riders 100, 20, a1 and b1 (the grid's rows, in that order), team 2 with riders
// 300, 301 and Ü1; at meet 1, 300 rides the relay with 301, and 301 is named with a1.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'B'),"
             " (2, 'Fox Run', 'A')");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('b1', 'Cy', 'Dunn', 1),"
             " ('a1', 'Di', 'Eck', 1), ('300', 'Ed', 'Fay', 2), ('301', 'Flo', 'Gill', 2),"
             " ('Ü1', 'Gus', 'Hay', 2)");
    Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (18, 1, '300')");
    Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '300', '301'),"
             " (1, '301', 'a1')");
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestPaths(); }

    void relayRowsStopAtTheFirstProblem_data() {
        // Partners of rows 1 to 4: "_" none listed, "-" a row not in the relay, "!" ends a text
        // cut at the list's limit.
        QTest::addColumn<QString>("partners");
        // The refusal, or the pairs stored.
        QTest::addColumn<QString>("outcome");
        const QString twoTeams = RelayRule::kTwoTeams;
        QTest::newRow("no partner") << "_ a1 - -" << RelayRule::kNoPartner;
        QTest::newRow("a repeat before an empty one") << "b1 _ B1 -" << twoTeams;
        QTest::newRow("the same rider in other letters") << "b1 - - B1" << twoTeams;
        QTest::newRow("an entered rider as partner") << "20 a1 - -" << twoTeams;
        QTest::newRow("the rider himself")
            << "100 - - -"
            << "Rider 100 is listed as the relay partner of rider 100. A rider cannot be his or "
               "her own relay partner; choose another rider.";
        QTest::newRow("no such rider")
            << "zz - - -"
            << "The relay partner \"zz\" listed for rider 100 is not a rider of the district. "
               "Choose a rider number from the list.";
        QTest::newRow("a cut text names nobody")
            << "- b1! - -"
            << "The relay partner \"b1\" listed for rider 20 is not a rider of the district. "
               "Choose a rider number from the list.";
        QTest::newRow("entered for another team")
            << "300 - - -"
            << "Rider 300 is entered in the 2 Person Relay for another team at this meet, so "
               "rider 100 cannot name them as partner.";
        QTest::newRow("another team's partner")
            << "- 301 - -"
            << "Rider 301 is already the relay partner of rider 300 of another team at this "
               "meet, so rider 20 cannot name them as partner.";
        QTest::newRow("named by another team's pair")
            << "- - b1 -"
            << "Rider a1 is already the relay partner of rider 301 of another team at this meet, "
               "so rider a1 cannot be entered in the 2 Person Relay.";
        QTest::newRow("stored as the records name them") << "B1 ü1 - -"
                                                         << "100+b1 Cy Dunn, 20+Ü1 Gus Hay";
    }
    void relayRowsStopAtTheFirstProblem() {
        QFETCH(QString, partners);
        QFETCH(QString, outcome);
        TestDistrict district(addDistrict);
        const QStringList riders{"100", "20", "a1", "b1"}, listed = partners.split(' ');
        QVector<RelayRule::Row> rows;
        for (int r = 0; r < 4; ++r) {
            QString text = listed[r];
            const bool cut = text.endsWith('!');
            rows.push_back({riders[r], text != "-", text.remove('_').remove('!'), cut});
        }
        const RelayRule::Outcome out = RelayRule::check(rows, RelayRule::storedRecords(1, 1));
        QStringList pairs;
        for (const EntryStore::Pairing& p : out.pairs)
            pairs << p.RiderNumber + '+' + p.PartnerNumber + ' ' + p.PartnerFirst + ' ' +
                         p.PartnerLast;
        QCOMPARE(out.refusal.isEmpty() ? pairs.join(", ") : out.refusal, outcome);
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
