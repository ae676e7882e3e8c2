# Keep.ini as users and other programs write it, the site names in it, and the names and keys
# browsers give their per-site storage.
aw_fuzzer(keep_sites SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/keep_sites.cpp DEPENDS aw_cleaner_core)
