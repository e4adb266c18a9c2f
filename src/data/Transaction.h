#pragma once

#include <QSqlDatabase>

// Runs a save as one unit: begun on construction, rolled back on destruction unless
// commit() succeeded. Throws DbError when the database cannot begin or commit.
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
    bool m_open = false;
};
