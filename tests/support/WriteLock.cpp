#include "support/WriteLock.h"

#include "data/Sql.h"
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
    m_lock = new QSqlQuery(other);
    m_lock->exec("BEGIN IMMEDIATE");
    program.closeDatabase();
    program.openDatabase(waitMs);
}

WriteLock::~WriteLock() {
    m_lock->exec("ROLLBACK");
    delete m_lock;
    QSqlDatabase::database(kOther, false).close();
    QSqlDatabase::removeDatabase(kOther);
}
