// coltstracker-bench-open FOLDER [--runs N]: times what a start does with the database of a
// program folder (made with coltstracker-district): opening it with all its checks, the full
// and the quick integrity check alone, the check that it can be written, the automatic backup,
// and the comparison that finds the records unchanged since the newest backup. Prints the median of
// each in ms. Works on a copy, so the folder's own database and backups are left alone.
#include "BenchSupport.h"
#include "data/Backups.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList folders;
    int runs = 0;
    if (!BenchSupport::parse(app.arguments(), "coltstracker-bench-open", 15, &folders, &runs))
        return 2;
    const QString folder = folders.first();
    QTemporaryDir work;
    const QString path = work.filePath(DatabaseFile::kFileName);
    if (!QFile::copy(QDir(folder).filePath(DatabaseFile::kFileName), path)) {
        std::fprintf(stderr, "no database in %s\n", qPrintable(folder));
        return 1;
    }
    QString error;
    const double open = BenchSupport::timed(runs, [&] {
        DatabaseFile::close(Sql::kConnectionName);
        error = DatabaseFile::open(path, Sql::kConnectionName).failure;
    });
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const auto pragma = [&](const char* check) {
        return BenchSupport::timed(runs, [&] { Sql::run(QStringLiteral("PRAGMA ") + check); });
    };
    const double integrity = pragma("integrity_check");
    const double quick = pragma("quick_check");
    const double writable =
        BenchSupport::timed(runs, [&] { (void)DatabaseFile::writeProblem(path); });
    const double backup =
        BenchSupport::timed(runs, [&] { error = Backups::write(Sql::db(), path).failure; });
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const double unchanged = BenchSupport::timed(
        runs, [&] { error = Backups::writeIfChanged(Sql::db(), path).failure; });
    if (Backups::existing(path).size() != std::min(runs, Backups::kKept))
        std::fprintf(stderr, "the unchanged records were backed up again\n");
    std::printf("median of %d runs, database of %lld KiB\n", runs, QFileInfo(path).size() / 1024);
    std::printf("open with its checks   %7.2f ms\n", open);
    std::printf("  integrity_check      %7.2f ms\n", integrity);
    std::printf("  quick_check          %7.2f ms\n", quick);
    std::printf("write check            %7.2f ms\n", writable);
    std::printf("automatic backup       %7.2f ms\n", backup);
    std::printf("unchanged since backup %7.2f ms\n", unchanged);
    return 0;
}
