#pragma once

#include <QString>
#include <QtGlobal>

// Application-wide values filled by start-up and read by every screen.
namespace AppState {

extern QString AppPath;     // folder holding the program file
extern QString DBPath;      // AppPath + "/VORNColts.mdb"
extern QString DistrictNum; // district number as typed; "" until set up
extern qint16 NumRings;     // rings run at a meet; 0 until set up
extern qint32 ScreenWidth;  // screen size in twips
extern qint32 ScreenHeight;

// Full path of the class heading picture `fileName` in the LabelFiles folder.
QString labelFile(const QString& fileName);

} // namespace AppState
