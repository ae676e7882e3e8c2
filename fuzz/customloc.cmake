# The custom location script's line parser, fields and variables.
# The library under test needs coverage instrumentation too, or the fuzzer runs blind.
target_compile_options(aw_customloc_core PRIVATE -fsanitize=fuzzer-no-link)
aw_fuzzer(customloc_script SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/customloc_script.cpp DEPENDS aw_customloc_core)
