#pragma once

#include <QSqlDatabase>

// Runs a save as one unit: begun on construction, rolled back on destruction unless
// commit() succeeded. Units compose: a unit made while another is open on the same
// connection joins it; only the outermost begins and commits, and an inner unit that ends
// without commit() makes the whole unit roll back. Throws DbError when the database cannot
// begin or commit.
class Transaction {
public:
    Transaction();
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    QSqlDatabase m_db;
    bool m_outermost = false;
    bool m_done = false;
};
