list(APPEND COLTS_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AppState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistrictSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassHeading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvText.cpp
)
