#include "data/Connection.h"

#include "data/DbError.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlDriver>
#include <QVariant>
#include <map>
#include <sqlite3.h>

namespace {

int g_scopeDepth = 0;
bool g_cursorShown = false;
bool g_repainting = false; // inside the lock wait's event processing

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

// Called by SQLite while another connection holds the lock a statement needs. The first
// call shows the busy cursor; every call lets the windows repaint (but takes no input),
// so the secretary sees the program is waiting, not frozen.
int onBusy(void* data, int calls) {
    auto* wait = static_cast<LockWait*>(data);
    if (calls == 0)
        wait->waited.start();
    if (wait->waited.elapsed() >= wait->limitMs)
        return 0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
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

void prepare(QSqlDatabase db, int lockWaitMs) {
    sqlite3* handle = handleOf(db);
    if (!handle)
        return;
    sqlite3_create_function_v2(handle, "fold_case", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               foldCase, nullptr, nullptr, nullptr);
    // One wait record per connection name; map nodes never move, so SQLite may keep a
    // pointer to it for the life of the connection.
    static std::map<QString, LockWait> waits;
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
