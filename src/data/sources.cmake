list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DbError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Connection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Sql.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Transaction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeliveredClasses.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatabaseFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Backups.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WholeFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Journal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistrictTables.cpp
)
# The spreadsheet writer and reader load the workbook module (WorkbookModule.cpp, a target of
# its own), which alone links libxlsxwriter and liborcus.
list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Spreadsheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SheetFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkbookLoader.cpp
)
