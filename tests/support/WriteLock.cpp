#include "support/WriteLock.h"

#include "support/TestProgram.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
const QString kOther = QStringLiteral("other");
}

WriteLock::WriteLock(TestProgram& program, int waitMs) {
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", kOther);
    other.setDatabaseName(program.databasePath());
    other.open();
    QSqlQuery(other).exec("BEGIN IMMEDIATE");
    program.closeDatabase();
    program.openDatabase(waitMs);
}

WriteLock::~WriteLock() {
    QSqlDatabase::database(kOther, false).close(); // which ends its transaction
    QSqlDatabase::removeDatabase(kOther);
}
