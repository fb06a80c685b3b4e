# help.chm, compiled from help/chm with Free Pascal's CHM compiler. The sources are copied
# to the build tree first, because chmcmd writes its output beside the project file.
find_program(PLINVO_CHMCMD chmcmd DOC "Free Pascal's CHM compiler, which builds help.chm")
if(NOT PLINVO_CHMCMD)
  message(FATAL_ERROR "chmcmd was not found; it is needed to build help.chm. "
    "Install Free Pascal's CHM tools (the Debian package fp-utils) or set PLINVO_CHMCMD "
    "to the compiler's path.")
endif()

file(GLOB PLINVO_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/chm/*)
set(PLINVO_HELP_WORK ${CMAKE_BINARY_DIR}/help-chm)
add_custom_command(OUTPUT ${PLINVO_DIST_DIR}/help.chm
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PLINVO_HELP_WORK}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_LIST_DIR}/chm ${PLINVO_HELP_WORK}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PLINVO_HELP_WORK} ${PLINVO_CHMCMD} --verbosity 0 help.hhp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLINVO_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${PLINVO_HELP_WORK}/help.chm ${PLINVO_DIST_DIR}/help.chm
  DEPENDS ${PLINVO_HELP_SOURCES}
  COMMENT "Compiling help.chm"
  VERBATIM)
add_custom_target(plinvo_help_chm ALL DEPENDS ${PLINVO_DIST_DIR}/help.chm)
