# Run as a script (cmake -P) by the plinvo_packages target: makes the setup program, the Windows
# Installer package and the portable zip of the program folder DIST, beside that folder.
# Variables: DIST, VERSION, MAKENSIS, SCRIPT (Plinvo.nsi), WIXL, MSI_SOURCE (Plinvo.wxs.in), ICON,
# WORK (a folder of the build tree).
#
# Files that Plinvo itself writes into its folder while it runs are not part of the program: a
# folder used for a test run still packs clean.
cmake_minimum_required(VERSION 3.20)
set(runtime_files config.ini)

get_filename_component(folder_name ${DIST} NAME)
get_filename_component(out_dir ${DIST} DIRECTORY)
set(setup ${out_dir}/Plinvo-${VERSION}-setup.exe)
set(zip ${out_dir}/Plinvo-${VERSION}-portable.zip)

file(GLOB entries RELATIVE ${DIST} ${DIST}/*)
list(SORT entries)
set(files "")
foreach(name IN LISTS entries)
  if(IS_DIRECTORY ${DIST}/${name})
    message(FATAL_ERROR "${DIST} holds a folder, ${name}: the setup packs single files only")
  endif()
  string(TOLOWER "${name}" lower)
  if(NOT lower IN_LIST runtime_files)
    list(APPEND files ${name})
  endif()
endforeach()
if(NOT "Plinvo.exe" IN_LIST files)
  message(FATAL_ERROR "No Plinvo.exe in ${DIST}: build the program first")
endif()

# What the setup installs and the uninstaller removes again: the same list.
set(install "!macro PLINVO_INSTALL_FILES\n")
set(remove "!macro PLINVO_REMOVE_FILES\n")
foreach(name IN LISTS files)
  string(APPEND install "  File \"${DIST}/${name}\"\n")
  string(APPEND remove "  Delete \"$INSTDIR\\${name}\"\n")
endforeach()
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/files.nsh "${install}!macroend\n${remove}!macroend\n")

if(NOT MAKENSIS)
  message(FATAL_ERROR "makensis was not found; it builds the setup program. Install NSIS "
    "(the Debian package nsis; scripts/install-deps.sh does) or set PLINVO_MAKENSIS.")
endif()
execute_process(
  COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DFILES=${WORK}/files.nsh -DICON=${ICON}
          -DOUTFILE=${setup} ${SCRIPT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "makensis failed (${result})")
endif()

# The Windows Installer package: the same files, one component each, keyed by the file.
set(msi ${out_dir}/Plinvo-${VERSION}.msi)
set(FILE_COMPONENTS "")
set(FILE_REFS "")
# wixl takes source paths only relative to where it runs: it runs in WORK.
file(RELATIVE_PATH dist_from_work ${WORK} ${DIST})
file(RELATIVE_PATH MSI_ICON ${WORK} ${ICON})
set(index 0)
foreach(name IN LISTS files)
  math(EXPR index "${index} + 1")
  string(MAKE_C_IDENTIFIER "${name}" file_id)  # Plinvo.exe: Plinvo_exe
  string(APPEND FILE_COMPONENTS
    "          <Component Id=\"File${index}\" Guid=\"*\">\n"
    "            <File Id=\"${file_id}\" Name=\"${name}\" Source=\"${dist_from_work}/${name}\" KeyPath=\"yes\"/>\n"
    "          </Component>\n")
  string(APPEND FILE_REFS "      <ComponentRef Id=\"File${index}\"/>\n")
endforeach()
configure_file(${MSI_SOURCE} ${WORK}/Plinvo.wxs @ONLY)
if(NOT WIXL)
  message(FATAL_ERROR "wixl was not found; it builds the Windows Installer package. Install it "
    "(the Debian package wixl; scripts/install-deps.sh does) or set PLINVO_WIXL.")
endif()
file(REMOVE ${msi})
execute_process(COMMAND ${WIXL} -a x86 -o ${msi} Plinvo.wxs WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS ${msi})
  message(FATAL_ERROR "wixl failed (${result})")
endif()

list(TRANSFORM files PREPEND "${folder_name}/")
file(REMOVE ${zip})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${files}
  WORKING_DIRECTORY ${out_dir}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the portable zip could not be made (${result})")
endif()
message(STATUS "Packages: ${setup}, ${msi}, ${zip}")
