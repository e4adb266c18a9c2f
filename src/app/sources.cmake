list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmBackups.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SupportLog.cpp
)
