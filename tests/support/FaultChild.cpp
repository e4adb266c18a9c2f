// coltstracker-faultchild: the program's own code run in a process of its own, for the tests
// that need another user or a process killed at a random moment.
//
//   coltstracker-faultchild start FOLDER     starts the program on FOLDER as the secretary
//                                             would, prints every message box ("box: text"),
//                                             then tries one save and prints its outcome
//   coltstracker-faultchild renumber FOLDER  renumbers rider R1 <-> R2 (with the rider's
//                                             entries, pairing and placing) for ever, printing
//                                             "saving" once the first save is done
#include "app/Controls.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Sql.h"
#include "riders/RiderStore.h"
#include "teams/TeamStore.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdio>

namespace {

class PrintingPresenter : public MessagePresenter {
public:
    Answer present(const MessageRequest& request) override {
        std::printf("box: %s\n", qPrintable(request.text));
        std::fflush(stdout);
        return Answer::Yes;
    }
};

int start(const QString& folder) {
    // Settings of its own, where any user may write them.
    const QString settingsHome = QDir::temp().filePath(
        QStringLiteral("faultchild-%1").arg(QCoreApplication::applicationPid()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome);
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    settings.setValue(QStringLiteral("ProgramConst/DistrictNumber"), QStringLiteral("4"));
    settings.sync();
    PrintingPresenter presenter;
    Messages::setPresenter(&presenter);
    const Startup::Result result = Startup::start(16000, 12000, folder);
    if (!result.running) {
        QDir(settingsHome).removeRecursively();
        std::printf("not started\n");
        return result.exitCode;
    }
    const bool saved = Controls::guarded([] { TeamStore::insertTeam("Saved", "A"); });
    std::printf("%s\n", saved ? "saved" : "not saved");
    QDir(settingsHome).removeRecursively();
    return 0;
}

int renumber(const QString& folder) {
    const QString error =
        DatabaseFile::open(QDir(folder).filePath(DatabaseFile::kFileName), Sql::kConnectionName);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    for (long round = 0;; ++round) {
        try {
            auto rider = RiderStore::find(QStringLiteral("R1"));
            const QString from = rider ? QStringLiteral("R1") : QStringLiteral("R2");
            if (!rider)
                rider = RiderStore::find(from);
            if (!rider)
                return 3;
            rider->RiderNumber =
                from == QLatin1String("R1") ? QStringLiteral("R2") : QStringLiteral("R1");
            RiderStore::update(from, *rider);
        } catch (const DbError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.reason()));
            return 2;
        }
        if (round == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("start"))
        return start(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("renumber"))
        return renumber(args[2]);
    std::fprintf(stderr, "usage: coltstracker-faultchild start|renumber FOLDER\n");
    return 2;
}
