#pragma once

#include <QSqlDatabase>
#include <QString>

// What every connection to a district database gets when it opens: the letter-case folding
// function the searches use, the digest of a table's rows that tells whether records changed,
// and a lock wait that shows the busy cursor and keeps the
// windows painted.
namespace Connection {

// How long a statement waits for another program's lock before it gives up.
inline constexpr int kDefaultLockWaitMs = 5000;

// Installs the folding function `fold_case(text)`, the aggregate `records_digest(column, ...)`
// and the lock wait on an open connection. None is stored in the file, so ordinary SQLite tools
// read it as before.
void prepare(QSqlDatabase db, int lockWaitMs = kDefaultLockWaitMs);

// Brings the query planner's statistics up to date where they would help (PRAGMA optimize), as
// the program closes, so that the plans follow the district as it grows. A database that cannot
// be written keeps the statistics it has.
void optimize(QSqlDatabase db);

// The text as the searches compare it: every letter folded to one case, composed
// characters in one form, so "Émile" and "émile" match whichever way they were typed.
QString folded(const QString& text);

// Puts the cursor back when a statement that waited for a lock has finished. Every
// statement runs inside one; nesting is allowed. Throws DbError when a statement would start
// while another waits for its lock (from an event handled during the wait).
class WaitScope {
public:
    WaitScope();
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};

} // namespace Connection
