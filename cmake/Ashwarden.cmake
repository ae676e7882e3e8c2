# Build helpers shared by every folder.
#
# The project builds in two ways:
#  - for Windows (WIN32): the program, its Win32 libraries and every test, the tests run under
#    the emulator given by CMAKE_CROSSCOMPILING_EMULATOR when cross-compiling;
#  - natively on a non-Windows host: only the pure libraries (no Win32 headers) and their tests,
#    with AddressSanitizer and UndefinedBehaviorSanitizer, plus the host tools and, with
#    ASHWARDEN_FUZZ, the libFuzzer harnesses.

option(ASHWARDEN_SANITIZE "Build native code with ASan and UBSan" ON)
option(ASHWARDEN_FUZZ "Build the libFuzzer harnesses (clang only)" OFF)
option(ASHWARDEN_BENCH "Build the benchmarks (use an optimised build without sanitizers)" OFF)
option(ASHWARDEN_WERROR "Treat warnings in the project's own code as errors" ON)
set(ASHWARDEN_DEPS "" CACHE PATH "Folder holding the cross-built libjpeg/ and gtest/ installs")

if(WIN32)
  set(AW_TARGET_WINDOWS ON)
else()
  set(AW_TARGET_WINDOWS OFF)
endif()

set(AW_WARNINGS)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(AW_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
  # Only the project's own targets get these flags; third-party headers come in as system
  # headers, so their warnings never stop the build.
  if(ASHWARDEN_WERROR)
    list(APPEND AW_WARNINGS -Werror)
  endif()
endif()

set(AW_SANITIZE_FLAGS)
if(NOT AW_TARGET_WINDOWS AND ASHWARDEN_SANITIZE)
  set(AW_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
endif()

# A library of pure code: no Win32 headers, built for every target.
function(aw_pure_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${AW_WARNINGS})
  if(AW_SANITIZE_FLAGS)
    target_compile_options(${name} PUBLIC ${AW_SANITIZE_FLAGS})
    target_link_options(${name} PUBLIC ${AW_SANITIZE_FLAGS})
  endif()
  if(ASHWARDEN_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Coverage feedback from the code under test, not only from the harness.
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  if(A_DEPENDS)
    target_link_libraries(${name} PUBLIC ${A_DEPENDS})
  endif()
endfunction()

# A library that talks to Win32: only built for Windows.
function(aw_win_library name)
  if(NOT AW_TARGET_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${AW_WARNINGS})
  target_compile_definitions(${name} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  if(A_DEPENDS)
    target_link_libraries(${name} PUBLIC ${A_DEPENDS})
  endif()
endfunction()

# Test executables. aw_test(name SOURCES ... DEPENDS ... [PURE]) builds a GoogleTest program.
# PURE tests build natively (sanitized) and for Windows; the others only for Windows.
# Under Windows they are registered as "wine.<name>" when cross-compiling, "win.<name>" otherwise;
# natively as "native.<name>".
function(aw_test name)
  cmake_parse_arguments(A "PURE" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT AW_TARGET_WINDOWS AND NOT A_PURE)
    return()
  endif()
  set(exe test_${name})
  add_executable(${exe} ${A_SOURCES})
  target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${exe} PRIVATE ${AW_WARNINGS})
  target_link_libraries(${exe} PRIVATE ${A_DEPENDS} aw_gtest_main)
  if(AW_TARGET_WINDOWS)
    target_compile_definitions(${exe} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    if(CMAKE_CROSSCOMPILING)
      set(prefix wine)
    else()
      set(prefix win)
    endif()
  else()
    set(prefix native)
  endif()
  add_test(NAME ${prefix}.${name} COMMAND ${exe})
  set_tests_properties(${prefix}.${name} PROPERTIES TIMEOUT 600)
  # Under Wine the emulator script tells the program where the source tree is (drive R:).
  if(NOT CMAKE_CROSSCOMPILING)
    set_tests_properties(${prefix}.${name} PROPERTIES ENVIRONMENT "AW_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()
