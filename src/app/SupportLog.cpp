#include "app/SupportLog.h"

#include "data/DbError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

QString g_path;
QtMessageHandler g_previous = nullptr;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category && qstrcmp(context.category, lcDatabase().categoryName()) == 0) {
        QFile log(g_path);
        if (log.open(QIODevice::Append | QIODevice::Text))
            log.write((QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') +
                       message + QLatin1Char('\n'))
                          .toUtf8());
    }
    if (g_previous)
        g_previous(type, context, message);
}

} // namespace

namespace SupportLog {

void install(const QString& folder) {
    g_path = QDir(folder).filePath(kFileName);
    if (QFile(g_path).size() > 1024 * 1024)
        QFile::remove(g_path);
    g_previous = qInstallMessageHandler(handle);
}

} // namespace SupportLog
