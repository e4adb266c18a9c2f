#include "data/ClassTable.h"

#include "data/DbError.h"
#include "data/Sql.h"

#include <QSqlQuery>

namespace ClassTable {

QVector<Class> classes() {
    // Read in stored order, as the screens find class k at row k.
    const QVector<Class> rows =
        Sql::rows<Class>("SELECT * FROM TblClass", {}, [](const QSqlQuery& q) {
            return Class{q.value("ClassNumber").toInt(), Sql::text(q, "ClassName"),
                         q.value("MaxEntries").toInt(), Sql::text(q, "imagepath")};
        });
    bool inOrder = rows.size() == kClassCount;
    for (int k = 0; inOrder && k < rows.size(); ++k)
        inOrder = rows.at(k).ClassNumber == k + 1;
    if (!inOrder)
        throw DbError(QStringLiteral(
            "the class table of the database does not hold exactly the classes 1 to 18 in "
            "class-number order, so this screen cannot be used; restore a backup of the "
            "database"));
    return rows;
}

} // namespace ClassTable
