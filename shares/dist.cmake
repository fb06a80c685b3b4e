# XCACLS.vbs, which the new-share dialog runs to give the guest account rights on a folder tree.
set(PLINVO_XCACLS_SOURCE ${CMAKE_CURRENT_LIST_DIR}/scripts/XCACLS.vbs)
add_custom_command(OUTPUT ${PLINVO_DIST_DIR}/XCACLS.vbs
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLINVO_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${PLINVO_XCACLS_SOURCE} ${PLINVO_DIST_DIR}/XCACLS.vbs
  DEPENDS ${PLINVO_XCACLS_SOURCE}
  COMMENT "Copying XCACLS.vbs to the program folder"
  VERBATIM)
add_custom_target(plinvo_xcacls_script ALL DEPENDS ${PLINVO_DIST_DIR}/XCACLS.vbs)
