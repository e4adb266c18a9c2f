#include "core/AppState.h"

namespace AppState {

QString AppPath;
QString DBPath;
QString DistrictNum;
qint16 NumRings = 0;
qint32 ScreenWidth = 0;
qint32 ScreenHeight = 0;

QString labelFile(const QString& fileName) {
    return AppPath + QStringLiteral("/LabelFiles/") + fileName;
}

} // namespace AppState
