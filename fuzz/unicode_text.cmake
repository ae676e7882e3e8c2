# Names and paths in UTF-8 and UTF-16, as files written by other programs (profiles.ini,
# Locations.txt) and directory listings hand them in, and the long form paths take.
aw_fuzzer(unicode_text SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/unicode_text.cpp DEPENDS aw_platform_core)
