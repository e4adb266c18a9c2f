#include "data/DeliveredClasses.h"

const QVector<ClassTable::Class>& deliveredClasses() {
    static const QVector<ClassTable::Class> classes = [] {
        const struct {
            const char* name;
            int max;
        } rows[] = {
            {"Walk Trot", 2},
            {"Walk Trot Canter", 2},
            {"Beginner Equitation on the Flat", 2},
            {"Novice Equitation on the Flat", 2},
            {"Intermediate Equitation on the Flat", 2},
            {"Open Equitation on the Flat", 2},
            {"Crossrails", 2},
            {"Novice Equitation over Fences", 2},
            {"Intermediate Equitation over Fences", 2},
            {"Open Equitation over Fences", 2},
            {"Hunter Hack", 1},
            {"Pleasure Pony", 1},
            {"Western Walk Jog", 2},
            {"Western Horsemanship", 2},
            {"Western Pleasure", 1},
            {"Ranch Riding", 1},
            {"Trail", 1},
            {"Two-Person Relay", 1},
        };
        QVector<ClassTable::Class> out;
        int number = 1;
        for (const auto& row : rows) {
            out.push_back({number, QString::fromLatin1(row.name), row.max,
                           QStringLiteral("Class%1.bmp").arg(number, 2, 10, QLatin1Char('0'))});
            ++number;
        }
        return out;
    }();
    return classes;
}
