# Skin package parsers: the compressed package, the skin description and bitmap entries.
aw_fuzzer(skin_package SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/skin_package.cpp DEPENDS aw_skin_package)
aw_fuzzer(skin_ini SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/skin_ini.cpp DEPENDS aw_skin_package)
aw_fuzzer(skin_bmp SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/skin_bmp.cpp DEPENDS aw_skin_package)
