// coltstracker-bench-screens FOLDER [--runs N]: times the meet-day screens on the database of
// a program folder (made with coltstracker-district): opening each (built, filled and shown)
// and one step of its scroll bar. Prints the median of each in ms. Runs offscreen unless
// told otherwise.
#include "BenchSupport.h"
#include "app/AppState.h"
#include "app/Fonts.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "rings/FrmRingAssign.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString folder;
    int runs = 0;
    if (!BenchSupport::parse(app.arguments(), "coltstracker-bench-screens", 15, &folder, &runs))
        return 2;
    Fonts::install();
    AppState::ScreenWidth = 19200;
    AppState::ScreenHeight = 15360;
    AppState::NumRings = 2;
    const QString path = QDir(folder).filePath(DatabaseFile::kFileName);
    const QString error = DatabaseFile::open(path, Sql::kConnectionName);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

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
    std::printf("median of %d runs on %s\n", runs, qPrintable(path));
    std::printf("ring assignments: open %7.2f ms, one scroll step %6.2f ms\n",
                BenchSupport::median(open), BenchSupport::median(step));
    return 0;
}
