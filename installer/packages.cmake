# The setup program (NSIS), the Windows Installer package (wixl) and the portable zip of the program folder, written beside that
# folder in dist/. Not part of the default build: build.sh makes them once the program folder is
# complete, with `cmake --build build/win --target plinvo_packages`.
find_program(PLINVO_MAKENSIS makensis DOC "NSIS's compiler, which builds the setup program")
find_program(PLINVO_WIXL wixl DOC "msitools' wixl, which builds the Windows Installer package")
add_custom_target(plinvo_packages
  COMMAND ${CMAKE_COMMAND} -DDIST=${PLINVO_DIST_DIR} -DVERSION=${PROJECT_VERSION}
          -DMAKENSIS=${PLINVO_MAKENSIS} -DSCRIPT=${CMAKE_CURRENT_LIST_DIR}/Plinvo.nsi
          -DWIXL=${PLINVO_WIXL} -DMSI_SOURCE=${CMAKE_CURRENT_LIST_DIR}/Plinvo.wxs.in
          -DICON=${CMAKE_SOURCE_DIR}/app/win32/Plinvo.ico -DWORK=${CMAKE_BINARY_DIR}/installer
          -P ${CMAKE_CURRENT_LIST_DIR}/MakePackages.cmake
  COMMENT "Making the setup program and the portable zip"
  VERBATIM)
add_dependencies(plinvo_packages Plinvo_shipped myright_shipped grantitems_shipped plinvo_help_chm
  plinvo_mode_descriptions plinvo_xcacls_script)
