// coltstracker-bench-search FOLDER [--runs N]: times the rider search on the database of a
// program folder (made with coltstracker-district), from the click on Search to the filled
// list, and prints the median of each kind of search. Runs offscreen unless told otherwise.
#include "BenchSupport.h"
#include "app/FrmMain.h"
#include "core/AppState.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "forms/Fonts.h"
#include "riders/FrmRiderSearch.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    BenchSupport::offscreenUnlessTold();
    QApplication app(argc, argv);
    QStringList folders;
    int runs = 0;
    if (const int failed = BenchSupport::startScreens(app.arguments(), "coltstracker-bench-search",
                                                      30, &folders, &runs))
        return failed;
    const QString folder = folders.first();
    if (!BenchSupport::openDistrict(folder))
        return 1;
    const QString path = QDir(folder).filePath(DatabaseFile::kFileName);

    auto* main = new FrmMain;
    main->show();
    auto* search = new FrmRiderSearch;
    main->openScreen(search);
    QCoreApplication::processEvents();
    auto* by = search->findChild<QComboBox*>(QStringLiteral("LbSearchBy"));
    auto* text = search->findChild<QLineEdit*>(QStringLiteral("TxtSearchFor"));
    auto* button = search->findChild<QPushButton*>(QStringLiteral("CmdSearch"));
    auto* list = search->findChild<QListWidget*>(QStringLiteral("LbResults"));

    const struct {
        int field;
        const char* text;
    } cases[] = {{0, "son"}, {1, "em"}, {2, "5"}, {3, "a"}, {0, "zzz"}};
    for (const auto& c : cases) {
        by->setCurrentIndex(c.field);
        text->setText(QString::fromLatin1(c.text));
        QVector<double> ms;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer timer;
            timer.start();
            button->click();
            QCoreApplication::processEvents(); // the list paints its lines
            ms << timer.nsecsElapsed() / 1e6;
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-13s \"%s\": %5d lines, median %6.2f ms (min %.2f, max %.2f, %d runs)\n",
                    qPrintable(by->currentText()), c.text, list->count(), ms.at(ms.size() / 2),
                    ms.first(), ms.last(), runs);
    }
    delete search;
    delete main;
    return 0;
}
