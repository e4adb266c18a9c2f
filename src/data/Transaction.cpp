#include "data/Transaction.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Sql.h"

#include <QHash>
#include <QSqlError>

namespace {

// The unit of work open on each connection.
struct Unit {
    int depth = 0;
    bool spoiled = false; // an inner unit ended without commit()
};

QHash<QString, Unit>& units() {
    static QHash<QString, Unit> open;
    return open;
}

} // namespace

Transaction::Transaction() : Transaction(Sql::db()) {}

Transaction::Transaction(QSqlDatabase db) : m_db(db) {
    Unit& unit = units()[m_db.connectionName()];
    if (unit.depth == 0) {
        const Connection::WaitScope wait;
        if (!m_db.transaction())
            throw DbError::fromSql(m_db.lastError(), QStringLiteral("BEGIN"));
        m_outermost = true;
        unit.spoiled = false;
    }
    ++unit.depth;
}

Transaction::~Transaction() {
    Unit& unit = units()[m_db.connectionName()];
    --unit.depth;
    if (m_done)
        return;
    if (!m_outermost) {
        unit.spoiled = true;
        return;
    }
    // After a disk-full or I/O error SQLite may have rolled back already; a failing
    // rollback then changes nothing.
    m_db.rollback();
}

void Transaction::commit() {
    if (m_done)
        return;
    if (!m_outermost) {
        m_done = true;
        return;
    }
    if (units()[m_db.connectionName()].spoiled) {
        m_db.rollback();
        m_done = true;
        throw DbError(QStringLiteral("part of the save could not be done, so none of it was kept"));
    }
    const Connection::WaitScope wait;
    if (!m_db.commit())
        throw DbError::fromSql(m_db.lastError(), QStringLiteral("COMMIT"));
    m_done = true;
}
