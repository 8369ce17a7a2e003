# One helper per kind of target. Each sets the language standard, warnings, symbol visibility and sanitizers
# once, so no target sets flags of its own.

set(PROJECT_WARNINGS -Wall -Wextra -Werror)
set(PROJECT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
if(PROJECT_FUZZ)
  # The fuzzing build (clang): every library is instrumented for coverage as well; only the fuzz targets
  # link libFuzzer's driver (add_fuzz_target).
  set(PROJECT_SANITIZE ON)
  list(APPEND PROJECT_SANITIZER_FLAGS -fsanitize=fuzzer-no-link)
endif()

function(project_target_defaults target)
  target_compile_options(${target} PRIVATE ${PROJECT_WARNINGS})
  # Plug-ins link the shared plug-in code statically; hidden symbols keep two loaded plug-ins from
  # binding to each other's copies. Only what is marked for export leaves a module.
  set_target_properties(${target} PROPERTIES
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  if(PROJECT_SANITIZE)
    target_compile_options(${target} PRIVATE ${PROJECT_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE ${PROJECT_SANITIZER_FLAGS})
  endif()
endfunction()

# add_project_library(name [SHARED] SOURCES ... [PUBLIC_DEPENDS ...] [PRIVATE_DEPENDS ...])
# A folder's library. Its include root is the repository root, so headers are included as "folder/Name.h".
function(add_project_library name)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES;PUBLIC_DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  if(ARG_SHARED)
    add_library(${name} SHARED ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  project_target_defaults(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
  if(ARG_SHARED AND PROJECT_SANITIZE)
    # The sanitizer runtime comes from the program that loads the library.
    target_link_options(${name} PRIVATE -Wl,--allow-shlib-undefined)
  endif()
endfunction()

# add_plugin_module(name SOURCES ... DEPENDS ... [RESOURCES dir] [OUTPUT_DIR dir])
# A module the host loads with dlopen: exports PluginMain only, lands in build/plugins (or OUTPUT_DIR).
function(add_plugin_module name)
  cmake_parse_arguments(ARG "" "RESOURCES;OUTPUT_DIR" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  project_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  if(NOT ARG_OUTPUT_DIR)
    set(ARG_OUTPUT_DIR ${PROJECT_PLUGIN_DIR})
  endif()
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR}
    BUILD_RPATH "$ORIGIN/../lib;${CMAKE_BINARY_DIR}/lib")
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
  if(PROJECT_SANITIZE)
    target_link_options(${name} PRIVATE -Wl,--allow-shlib-undefined)
  endif()
  if(ARG_RESOURCES)
    embed_resources(${name} ${ARG_RESOURCES})
  endif()
endfunction()

# add_project_program(name SOURCES ... DEPENDS ...): a program in build/bin.
function(add_project_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  project_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
endfunction()

# add_project_test(name SOURCES ... DEPENDS ...): one GoogleTest binary, its tests discovered by CTest.
function(add_project_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  project_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    PROJECT_SOURCE_ROOT="${PROJECT_SOURCE_DIR}"
    PROJECT_BUILD_ROOT="${CMAKE_BINARY_DIR}")
  # Plug-ins read their settings from the documents folder: tests get one of their own, never the user's.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "PLATFORM_DOCUMENTS=${CMAKE_BINARY_DIR}/tests/documents")
endfunction()

# add_fuzz_target(name SOURCES ... DEPENDS ...): a libFuzzer program in build/fuzz/bin (fuzzing build only).
function(add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  project_target_defaults(${name})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  if(NOT TARGET fuzz_targets)
    add_custom_target(fuzz_targets)
  endif()
  add_dependencies(fuzz_targets ${name})
endfunction()
