list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RiderStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RosterImport.cpp
)
list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RiderForms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmRiderSearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmRiderEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmRiderEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmImportRiders.cpp
)
