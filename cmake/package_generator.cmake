# Read by CPack once for each package it makes. The installer is named as one, and leaves out
# the settings file that makes the zip portable: an installed clock keeps its settings in the
# user's folders, not in its program folder.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
  list(TRANSFORM CPACK_INSTALL_CMAKE_PROJECTS REPLACE "^ALL$" "program")
endif()
