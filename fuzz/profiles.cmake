# Profile names read from profiles.ini files that other programs write, and the path rules
# that stand between them and a deletion.
aw_fuzzer(profiles SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/profiles.cpp DEPENDS aw_cleaner_core)
