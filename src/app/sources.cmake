list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AppState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistrictSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassHeading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridGeometry.cpp
)
list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowConventions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmBackups.cpp
)
