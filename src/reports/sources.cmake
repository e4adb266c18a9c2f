list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReportLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Reports.cpp
)
list(APPEND COLTS_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReportPainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportPreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrmDataReports.cpp
)
