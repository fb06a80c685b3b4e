# Windows world: Plinvo.exe, for Windows XP and later, statically linked.
enable_language(RC)
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
set(PLINVO_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/Plinvo CACHE PATH "The program folder a user copies")

# Built for size: the program is downloaded and copied around, and what it waits for is the
# system, not its own code. Each function and datum in a section of its own lets the linker drop
# what nothing calls. Debug information is compiled in and split off when the program is shipped.
set(CMAKE_C_FLAGS_RELEASE "-Oz -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG")
string(APPEND CMAKE_C_FLAGS " -g -ffunction-sections -fdata-sections")
string(APPEND CMAKE_CXX_FLAGS " -g -ffunction-sections -fdata-sections")
# Calls pass their arguments with push, on the 4-byte stack alignment that 32-bit Windows itself
# keeps (the program uses no SSE, whose instructions alone would need 16), without a frame
# pointer (the debug information describes each frame) and with no inlining that would grow a
# frame: together about a tenth of the program's code. Pushed arguments need the stack probes of large frames
# made inline, one page after the other as Windows' guard page needs, instead of by the
# runtime's probe function, which the compiler ties to reserving the argument space up front.
# Tables and texts are aligned as the types need, not padded to 32 bytes for the cache.
# Functions packed one after the other, without padding between them (see the script; a changed
# script needs a clean build).
string(APPEND CMAKE_C_FLAGS " -wrapper ${CMAKE_SOURCE_DIR}/cmake/PackedCode.sh")
string(APPEND CMAKE_CXX_FLAGS " -wrapper ${CMAKE_SOURCE_DIR}/cmake/PackedCode.sh")
set(PLINVO_SMALL_CODE "-mno-stack-arg-probe -fstack-clash-protection -mpreferred-stack-boundary=2")
string(APPEND PLINVO_SMALL_CODE " -fomit-frame-pointer -fconserve-stack -malign-data=abi")
string(APPEND CMAKE_C_FLAGS " ${PLINVO_SMALL_CODE}")
string(APPEND CMAKE_CXX_FLAGS " ${PLINVO_SMALL_CODE}")
# Without run-time type information: it would name every class in the program. Controls say
# which interface they offer themselves (ui::ControlFamily).
string(APPEND CMAKE_CXX_FLAGS " -fno-rtti")
# Without exceptions, and so without the unwind tables and the unwinder they would need: a step
# that fails hands a value to its handler (platform/Failure.h), and a fault that leaves no way
# on ends the program (platform/Fatal.h). For the program and its own code only; the test
# programs built here keep theirs.
# The program has one thread, so a function's static objects need no lock around their first
# use; the runtime's lock would bring the exception machinery back (it throws on a recursive
# first use).
set(PLINVO_NO_EXCEPTIONS -fno-exceptions -fno-asynchronous-unwind-tables -fno-threadsafe-statics)
target_compile_options(plinvo_core PRIVATE ${PLINVO_NO_EXCEPTIONS})
# Without the standard library's message texts for its misuse reports, which every file kept its
# own copies of (see the header); the report names the place of the misuse instead.
set(PLINVO_NO_LIBRARY_MESSAGES
  $<$<COMPILE_LANGUAGE:CXX>:-include ${CMAKE_SOURCE_DIR}/runtime/win32/NoLibraryMessages.h>)
target_compile_options(plinvo_core PRIVATE ${PLINVO_NO_LIBRARY_MESSAGES})
add_link_options(-Wl,--gc-sections)

# Links `target` in the build folder and ships it stripped into the program folder. Its debug
# information stays beside the linked file as <file>.debug, which the shipped file names (GNU
# debuglink), so that a crash dump of the shipped program can be read with it.
# The shipped file is an output of its own, so a program folder that was deleted is made again.
function(plinvo_ship_stripped target)
  set(built $<TARGET_FILE:${target}>)
  set(shipped ${PLINVO_DIST_DIR}/${target}${CMAKE_EXECUTABLE_SUFFIX})
  add_custom_command(OUTPUT ${shipped}
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${built} ${built}.debug
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PLINVO_DIST_DIR}
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${built}.debug ${built} ${shipped}
    DEPENDS ${target}
    COMMENT "Shipping ${target} stripped into the program folder"
    VERBATIM)
  add_custom_target(${target}_shipped ALL DEPENDS ${shipped})
endfunction()

file(GLOB PLINVO_WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/app/win32/*.cpp)
add_executable(Plinvo WIN32 ${PLINVO_WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/app/win32/Plinvo.rc)
# The files the resource script names are not seen by the build's dependency scan: a changed
# icon, picture or manifest has to compile the resources again.
file(GLOB PLINVO_RESOURCE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/win32/*.ico
  ${CMAKE_SOURCE_DIR}/app/win32/*.manifest
  ${CMAKE_SOURCE_DIR}/app/win32/pictures/*.ico)
# The event log's message table: the message compiler turns the words of the events into a
# resource script and the table it names, which Plinvo.rc includes. The words are stored in
# single bytes (-A), as Event Viewer reads them as well as UTF-16 and they are plain ASCII: half
# the size (2.3 KB less).
set(PLINVO_EVENTS_DIR ${CMAKE_BINARY_DIR}/events)
find_program(PLINVO_MESSAGE_COMPILER i686-w64-mingw32-windmc REQUIRED)
add_custom_command(
  OUTPUT ${PLINVO_EVENTS_DIR}/ChangeEvents.rc ${PLINVO_EVENTS_DIR}/ChangeEvents.bin
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLINVO_EVENTS_DIR}
  COMMAND ${PLINVO_MESSAGE_COMPILER} -A -r ${PLINVO_EVENTS_DIR} -h ${PLINVO_EVENTS_DIR}
    ${CMAKE_SOURCE_DIR}/app/win32/ChangeEvents.mc
  DEPENDS ${CMAKE_SOURCE_DIR}/app/win32/ChangeEvents.mc
  COMMENT "Compiling the event log's message table"
  VERBATIM)
list(APPEND PLINVO_RESOURCE_FILES ${PLINVO_EVENTS_DIR}/ChangeEvents.rc
  ${PLINVO_EVENTS_DIR}/ChangeEvents.bin)
target_include_directories(Plinvo PRIVATE ${PLINVO_EVENTS_DIR})
set_source_files_properties(${CMAKE_SOURCE_DIR}/app/win32/Plinvo.rc PROPERTIES
  OBJECT_DEPENDS "${PLINVO_RESOURCE_FILES}")
target_compile_options(Plinvo PRIVATE ${PLINVO_NO_EXCEPTIONS} ${PLINVO_NO_LIBRARY_MESSAGES})
# How the standard library's misuse reports and a failed allocation end the program, and the
# system clock, so that neither the standard error classes nor the runtime's exception machinery
# come in (see the files).
target_sources(Plinvo PRIVATE ${CMAKE_SOURCE_DIR}/runtime/win32/LibraryErrors.cpp
  ${CMAKE_SOURCE_DIR}/runtime/win32/Memory.cpp ${CMAKE_SOURCE_DIR}/runtime/win32/Clock.cpp)
# The members of std::string (see the file). The link map shows which pieces of the runtime
# came in and why; the delivery test reads it.
target_sources(Plinvo PRIVATE ${CMAKE_SOURCE_DIR}/runtime/win32/StringMembers.cpp)
target_link_options(Plinvo PRIVATE -Wl,-Map,$<TARGET_FILE:Plinvo>.map)
# The sections of the file (see the script): the runtime's unwinding tables, which nothing reads,
# left out, and two sections of a few bytes each held in .data.
set(PLINVO_LAYOUT ${CMAKE_SOURCE_DIR}/cmake/ProgramLayout.ld)
target_link_options(Plinvo PRIVATE -Wl,-T,${PLINVO_LAYOUT})
set_property(TARGET Plinvo APPEND PROPERTY LINK_DEPENDS ${PLINVO_LAYOUT})
# The base relocations (8 KiB) stay: without them Vista could not load Plinvo.exe at a random
# address, and a program that runs as administrator keeps that defence.
target_link_libraries(Plinvo PRIVATE plinvo_core
  advapi32 uuid comdlg32 gdi32 user32 kernel32)
target_link_options(Plinvo PRIVATE -static -static-libgcc -static-libstdc++ -mwindows)
plinvo_ship_stripped(Plinvo)

# Files the program expects beside it; each subsystem lists its own in a dist.cmake.
file(GLOB PLINVO_DIST_LISTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/dist.cmake)
foreach(list ${PLINVO_DIST_LISTS})
  include(${list})
endforeach()

include(${CMAKE_SOURCE_DIR}/installer/packages.cmake)

# The end-to-end driver and test doubles (never shipped).
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()

# The bare list the Wine benchmark measures the program against (never shipped).
add_subdirectory(${CMAKE_SOURCE_DIR}/bench/wine ${CMAKE_BINARY_DIR}/bench)
