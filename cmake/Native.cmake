# Native (Linux) world: the in-memory platform and controls, the unit tests and benchmarks.
file(GLOB PLINVO_MEMORY_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/memory/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/memory/*.cpp)
add_library(plinvo_memory STATIC ${PLINVO_MEMORY_SOURCES})
target_link_libraries(plinvo_memory PUBLIC plinvo_core)

enable_testing()
find_package(GTest REQUIRED)
file(GLOB_RECURSE PLINVO_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(plinvo_unit_tests ${PLINVO_UNIT_TESTS})
target_include_directories(plinvo_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
# For the tests that read a source the program is built from, such as the event log's words.
target_compile_definitions(plinvo_unit_tests PRIVATE PLINVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(plinvo_unit_tests PRIVATE plinvo_memory GTest::gtest GTest::gtest_main GTest::gmock)
include(GoogleTest)
gtest_discover_tests(plinvo_unit_tests DISCOVERY_TIMEOUT 60)

file(GLOB PLINVO_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
find_package(benchmark QUIET)
if(PLINVO_BENCHMARKS AND benchmark_FOUND)
  add_executable(plinvo_benchmarks ${PLINVO_BENCHMARKS})
  target_link_libraries(plinvo_benchmarks PRIVATE plinvo_memory benchmark::benchmark)
endif()
