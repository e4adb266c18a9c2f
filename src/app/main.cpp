#include "app/Startup.h"
#include "app/SupportLog.h"
#include "core/Twips.h"
#include "data/Connection.h"
#include "data/Sql.h"
#include "forms/WindowConventions.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <condition_variable>
#include <fontconfig/fontconfig.h>
#include <mutex>
#include <thread>

namespace {

// The machine's font configuration takes a good part of a start to read, and no window can be
// laid out without it. It is read on a thread of its own from the first moment, while the
// display is opened, and the font list with it once the application is made, while the
// database is opened.
class FontsAhead {
public:
    FontsAhead() : m_reader([this] { read(); }) {}
    ~FontsAhead() { finish(); }
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

    void applicationMade() { release(Made); }
    // Waits for the thread; the application must still be there.
    void finish() {
        release(Gone);
        if (m_reader.joinable())
            m_reader.join();
    }

private:
    enum State { Waiting, Made, Gone };
    void read() {
        FcInit();
        std::unique_lock<std::mutex> lock(m_mutex);
        m_released.wait(lock, [this] { return m_state != Waiting; });
        if (m_state == Made) {
            lock.unlock();
            (void)QFontDatabase::families();
        }
    }
    void release(State state) {
        {
            const std::lock_guard<std::mutex> guard(m_mutex);
            if (m_state == Waiting)
                m_state = state;
        }
        m_released.notify_one();
    }

    std::mutex m_mutex;
    std::condition_variable m_released;
    State m_state = Waiting;
    std::thread m_reader; // last, so that it starts when the rest is made
};

} // namespace

int main(int argc, char* argv[]) {
    FontsAhead fonts;
    QApplication app(argc, argv);
    fonts.applicationMade();
    QApplication::setApplicationName(QStringLiteral("ColtsTracker"));
    QApplication::setOrganizationName(QStringLiteral("ColtsTracker"));
    WindowConventions::install(app);
    SupportLog::install(QApplication::applicationDirPath());

    const QRect screen = QApplication::primaryScreen()->geometry();
    const Startup::Result result =
        Startup::start(Twips::fromPixels(screen.width()), Twips::fromPixels(screen.height()),
                       QApplication::applicationDirPath());
    fonts.finish();
    if (!result.running)
        return result.exitCode;
    const int exitCode = app.exec();
    Connection::optimize(Sql::db());
    return exitCode;
}
