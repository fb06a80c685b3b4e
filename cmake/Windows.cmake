# Windows world: Plinvo.exe, for Windows XP and later, statically linked.
enable_language(RC)
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
set(PLINVO_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/Plinvo CACHE PATH "The program folder a user copies")

file(GLOB PLINVO_WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/app/win32/*.cpp)
add_executable(Plinvo WIN32 ${PLINVO_WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/app/win32/Plinvo.rc)
target_link_libraries(Plinvo PRIVATE plinvo_core
  netapi32 advapi32 shell32 ole32 oleaut32 comctl32 comdlg32 version gdi32 user32 kernel32 ws2_32)
target_link_options(Plinvo PRIVATE -static -static-libgcc -static-libstdc++ -mwindows)
set_target_properties(Plinvo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PLINVO_DIST_DIR})

# Files the program expects beside it; each subsystem lists its own in a dist.cmake.
file(GLOB PLINVO_DIST_LISTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/dist.cmake)
foreach(list ${PLINVO_DIST_LISTS})
  include(${list})
endforeach()

# The end-to-end driver and test doubles (never shipped).
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()
