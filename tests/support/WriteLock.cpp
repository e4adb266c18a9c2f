#include "support/WriteLock.h"

#include "data/Sql.h"
#include "support/TestProgram.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
const QString kOther = QStringLiteral("other");
}

WriteLock::WriteLock(TestProgram& program) {
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", kOther);
    other.setDatabaseName(program.databasePath());
    other.open();
    m_lock = new QSqlQuery(other);
    m_lock->exec("BEGIN IMMEDIATE");
    program.closeDatabase();
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", Sql::kConnectionName);
    db.setDatabaseName(program.databasePath());
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10");
    db.open();
}

WriteLock::~WriteLock() {
    m_lock->exec("ROLLBACK");
    delete m_lock;
    QSqlDatabase::database(kOther, false).close();
    QSqlDatabase::removeDatabase(kOther);
}
