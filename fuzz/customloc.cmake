# The custom location script's line parser, fields and variables.
aw_fuzzer(customloc_script SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/customloc_script.cpp DEPENDS aw_customloc_core)
