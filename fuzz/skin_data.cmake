# Skin descriptions into element objects: arbitrary INI text through the whole load sequence,
# with made-up images of awkward sizes for every image value.
aw_fuzzer(skin_data SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/skin_data_description.cpp DEPENDS aw_skin_data_core)
