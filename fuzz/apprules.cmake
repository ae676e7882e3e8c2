# Community rule files (winapp2.ini) written by anyone: the reader, and every entry it keeps
# through the expansion of its paths and the safety rules.
aw_fuzzer(apprules SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/apprules.cpp DEPENDS aw_apprules_core)
