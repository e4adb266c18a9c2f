#include "data/Connection.h"

#include "data/DbError.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMutex>
#include <QSqlDriver>
#include <QThread>
#include <QVariant>
#include <map>
#include <sqlite3.h>

namespace {

// Each thread keeps its own count: the start-up check reads the file on a thread of its own,
// and only the window thread shows the busy cursor and repaints.
thread_local int g_scopeDepth = 0;
thread_local bool g_cursorShown = false;
thread_local bool g_repainting = false; // inside the lock wait's event processing

struct LockWait {
    int limitMs;
    QElapsedTimer waited;
};

sqlite3* handleOf(QSqlDatabase db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

void foldCase(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const int bytes = sqlite3_value_bytes(args[0]);
    const QByteArray out = Connection::folded(QString::fromUtf8(text, bytes)).toUtf8();
    sqlite3_result_text(context, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

// A 64-bit hash of one value, its type included, so that 1 and '1' differ.
quint64 valueHash(sqlite3_value* value, quint64 hash) {
    const auto mix = [&hash](const unsigned char* bytes, int size) {
        for (int k = 0; k < size; ++k)
            hash = (hash ^ bytes[k]) * 0x100000001b3ULL; // FNV-1a
    };
    const unsigned char type = static_cast<unsigned char>(sqlite3_value_type(value));
    mix(&type, 1);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        const double real = sqlite3_value_double(value);
        const sqlite3_int64 whole = sqlite3_value_int64(value);
        if (type == SQLITE_INTEGER)
            mix(reinterpret_cast<const unsigned char*>(&whole), sizeof whole);
        else
            mix(reinterpret_cast<const unsigned char*>(&real), sizeof real);
    } else if (type != SQLITE_NULL) {
        const void* bytes = type == SQLITE_TEXT
                                ? static_cast<const void*>(sqlite3_value_text(value))
                                : sqlite3_value_blob(value);
        mix(static_cast<const unsigned char*>(bytes), sqlite3_value_bytes(value));
    }
    return hash;
}

// records_digest(column, ...): the sum of a well-mixed hash of every row, the same for the
// same rows in any order. Two tables with equal digests and counts hold the same rows.
void digestStep(sqlite3_context* context, int count, sqlite3_value** args) {
    auto* sum = static_cast<quint64*>(sqlite3_aggregate_context(context, sizeof(quint64)));
    if (!sum)
        return;
    quint64 hash = 0xcbf29ce484222325ULL;
    for (int k = 0; k < count; ++k)
        hash = valueHash(args[k], hash);
    hash ^= hash >> 31; // splitmix64's finish, so that sums of hashes do not cancel
    hash *= 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 27;
    *sum += hash;
}

void digestFinal(sqlite3_context* context) {
    auto* sum = static_cast<quint64*>(sqlite3_aggregate_context(context, 0));
    sqlite3_result_int64(context, sum ? sqlite3_int64(*sum) : 0);
}

// Called by SQLite while another connection holds the lock a statement needs. The first
// call shows the busy cursor; every call lets the windows repaint (but takes no input),
// so the secretary sees the program is waiting, not frozen.
int onBusy(void* data, int calls) {
    auto* wait = static_cast<LockWait*>(data);
    if (calls == 0)
        wait->waited.start();
    if (wait->waited.elapsed() >= wait->limitMs)
        return 0;
    const QCoreApplication* app = QCoreApplication::instance();
    if (qobject_cast<const QGuiApplication*>(app) && QThread::currentThread() == app->thread()) {
        if (!g_cursorShown) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            g_cursorShown = true;
        }
        g_repainting = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        g_repainting = false;
    }
    sqlite3_sleep(20);
    return 1;
}

void restoreCursor() {
    if (g_cursorShown) {
        QGuiApplication::restoreOverrideCursor();
        g_cursorShown = false;
    }
}

} // namespace

namespace Connection {

void optimize(QSqlDatabase db) {
    if (sqlite3* handle = handleOf(db))
        sqlite3_exec(handle, "PRAGMA optimize", nullptr, nullptr, nullptr);
}

void prepare(QSqlDatabase db, int lockWaitMs) {
    sqlite3* handle = handleOf(db);
    if (!handle)
        return;
    sqlite3_create_function_v2(handle, "fold_case", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               foldCase, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "records_digest", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                               nullptr, nullptr, digestStep, digestFinal, nullptr);
    // One wait record per connection name; map nodes never move, so SQLite may keep a
    // pointer to it for the life of the connection.
    static std::map<QString, LockWait> waits;
    static QMutex guard;
    const QMutexLocker locked(&guard);
    LockWait& wait = waits[db.connectionName()];
    wait.limitMs = lockWaitMs;
    sqlite3_busy_handler(handle, onBusy, &wait);
}

QString folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

WaitScope::WaitScope() {
    // SQLite allows no statement on a connection from within its own lock wait.
    if (g_repainting)
        throw DbError(QStringLiteral("ColtsTracker is still waiting for the database; try again "
                                     "in a moment"));
    ++g_scopeDepth;
}

WaitScope::~WaitScope() {
    if (--g_scopeDepth == 0)
        restoreCursor();
}

} // namespace Connection
