#include "app/Startup.h"
#include "app/SupportLog.h"
#include "core/Twips.h"
#include "data/Connection.h"
#include "data/Sql.h"
#include "forms/WindowConventions.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ColtsTracker"));
    QApplication::setOrganizationName(QStringLiteral("ColtsTracker"));
    WindowConventions::install(app);
    SupportLog::install(QApplication::applicationDirPath());

    const QRect screen = QApplication::primaryScreen()->geometry();
    const Startup::Result result =
        Startup::start(Twips::fromPixels(screen.width()), Twips::fromPixels(screen.height()),
                       QApplication::applicationDirPath());
    if (!result.running)
        return result.exitCode;
    const int exitCode = app.exec();
    Connection::optimize(Sql::db());
    return exitCode;
}
