# One helper per kind of target, so that every library declares its dependencies where it
# is defined. Sources are the .cpp files of the folders named in DIRS (not their
# sub-folders) and of the whole trees named in TREES (a procedure's folder with its parts).

include(GoogleTest)

# kpa_sources(OUT ROOT DIRS TREES): the sources of folders and trees under ROOT.
function(kpa_sources out root dirs trees)
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB found CONFIGURE_DEPENDS "${root}/${dir}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  foreach(tree IN LISTS trees)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${root}/${tree}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  list(SORT sources)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# kpa_library(NAME [DIRS dir...] [TREES dir...] [DEPS target...] [PRIVATE_DEPS target...]
#             [PRIVATE_INCLUDES dir...])
function(kpa_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;TREES;DEPS;PRIVATE_DEPS;PRIVATE_INCLUDES" ${ARGN})
  kpa_sources(sources "${PROJECT_SOURCE_DIR}/src" "${ARG_DIRS}" "${ARG_TREES}")
  if(NOT sources)
    # A subsystem not built yet: a header-only placeholder so that dependents link.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  target_include_directories(${name} PRIVATE ${ARG_PRIVATE_INCLUDES})
endfunction()

# kpa_test(NAME [DIRS dir...] [TREES dir...] DEPS target... [LABELS label...])
# One GoogleTest program per call; every test case becomes a CTest test with the labels. A
# program without sources yet (a procedure still to come) is left out.
function(kpa_test name)
  cmake_parse_arguments(ARG "" "" "DIRS;TREES;DEPS;LABELS" ${ARGN})
  kpa_sources(sources "${PROJECT_SOURCE_DIR}/tests" "${ARG_DIRS}" "${ARG_TREES}")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    KPA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KPA_SHARED_DATA_DIR="${PROJECT_SOURCE_DIR}/../shared/data")
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  gtest_discover_tests(${name} PROPERTIES LABELS "${ARG_LABELS}" DISCOVERY_TIMEOUT 60)
endfunction()
