list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EntryGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RelayRule.cpp
)
list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FrmEntries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmClassAssignments.cpp
)
