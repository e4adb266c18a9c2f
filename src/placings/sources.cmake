list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PlacingStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Standings.cpp
)
list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FrmAssignments.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmPlaceAssign.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmPointStanding.cpp
)
