// coltstracker-faultchild: the program's own code run in a process of its own, for the tests
// that need another user or a process killed at a random moment.
//
//   coltstracker-faultchild start FOLDER     starts the program on FOLDER as the secretary
//                                             would, prints every message box ("box: text"),
//                                             then tries one save and prints its outcome
//   coltstracker-faultchild renumber FOLDER  renumbers rider R1 <-> R2 (with the rider's
//                                             entries, pairing and placing) for ever, printing
//                                             "saving" once the first save is done
#include "app/Startup.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Sql.h"
#include "forms/Controls.h"
#include "forms/Messages.h"
#include "riders/RiderStore.h"
#include "teams/TeamStore.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class PrintingPresenter : public MessagePresenter {
public:
    Answer present(const MessageRequest& request) override {
        std::printf("box: %s\n", qPrintable(request.text));
        return Answer::Yes;
    }
};

int start(const QString& folder) {
    // Settings of its own, where any user may write them.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"))
        .setValue(QStringLiteral("ProgramConst/DistrictNumber"), QStringLiteral("4"));
    PrintingPresenter presenter;
    Messages::setPresenter(&presenter);
    const Startup::Result result = Startup::start(16000, 12000, folder);
    const bool saved =
        result.running && Controls::guarded([] { TeamStore::insertTeam("Saved", "A"); });
    std::puts(!result.running ? "not started" : saved ? "saved" : "not saved");
    return result.running ? 0 : result.exitCode;
}

int renumber(const QString& folder) {
    const QString error =
        DatabaseFile::open(QDir(folder).filePath(DatabaseFile::kFileName), Sql::kConnectionName)
            .failure;
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    try {
        QString from = RiderStore::find("R1") ? "R1" : "R2", to = from == "R1" ? "R2" : "R1";
        for (bool first = true;; first = false, std::swap(from, to)) {
            auto rider = RiderStore::find(from);
            if (!rider)
                return 3;
            rider->RiderNumber = to;
            RiderStore::update(from, *rider);
            if (first)
                std::puts("saving");
        }
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.reason()));
        return 2;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IONBF, 0); // every line out at once
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && (args[1] == "start" || args[1] == "renumber"))
        return args[1] == "start" ? start(args[2]) : renumber(args[2]);
    std::fprintf(stderr, "usage: coltstracker-faultchild start|renumber FOLDER\n");
    return 2;
}
