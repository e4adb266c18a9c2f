list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowConventions.cpp
)
