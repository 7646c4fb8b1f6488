# kavro_folder_library(NAME [EXCLUDE files...] [DEPS libs...])
# Builds every .cpp of the current folder (less EXCLUDE) into a static library.
# A folder without sources yet becomes an empty library so that dependants link.
function(kavro_folder_library name)
  cmake_parse_arguments(ARG "" "" "EXCLUDE;DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# kavro_test(NAME DIR LIBS...) : one GoogleTest executable from every .cpp of tests/DIR.
function(kavro_test name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} kavro_test_support GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    KAVRO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KAVRO_DATA_DIR="${KAVRO_DATA_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KAVRO_DATA=${KAVRO_DATA_DIR}")
endfunction()
