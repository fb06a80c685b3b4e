# The share-mode descriptions that the description area loads from the program folder.
set(PLINVO_MODE_DESCRIPTION_FILES stop_share_help.rtf zendry_share_help.rtf normal_share_help.rtf)
set(PLINVO_MODE_DESCRIPTION_OUTPUTS "")
foreach(name IN LISTS PLINVO_MODE_DESCRIPTION_FILES)
  set(source ${CMAKE_CURRENT_LIST_DIR}/descriptions/${name})
  add_custom_command(OUTPUT ${PLINVO_DIST_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PLINVO_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${PLINVO_DIST_DIR}/${name}
    DEPENDS ${source}
    COMMENT "Copying ${name} to the program folder"
    VERBATIM)
  list(APPEND PLINVO_MODE_DESCRIPTION_OUTPUTS ${PLINVO_DIST_DIR}/${name})
endforeach()
add_custom_target(plinvo_mode_descriptions ALL DEPENDS ${PLINVO_MODE_DESCRIPTION_OUTPUTS})
