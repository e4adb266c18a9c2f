#include "data/Transaction.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Sql.h"

#include <QSqlError>

Transaction::Transaction() : Transaction(Sql::db()) {}

Transaction::Transaction(QSqlDatabase db) : m_db(db) {
    const Connection::WaitScope wait;
    if (!m_db.transaction())
        throw DbError::fromSql(m_db.lastError());
    m_open = true;
}

Transaction::~Transaction() {
    // After a disk-full or I/O error SQLite may have rolled back already; a failing
    // rollback then changes nothing.
    if (m_open)
        m_db.rollback();
}

void Transaction::commit() {
    const Connection::WaitScope wait;
    if (!m_db.commit()) {
        const QSqlError error = m_db.lastError();
        throw DbError::fromSql(error);
    }
    m_open = false;
}
