# Release packages: a portable zip and an installer made with NSIS.
#   cpack --config build/CPackConfig.cmake        (from the top folder)
# Packing needs only the program, which the build has made: do not build the tests again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
install(TARGETS Tabulon RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_PACKAGE_NAME "Tabulon")
set(CPACK_PACKAGE_VENDOR "The Tabulon authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A desktop reference of physical constants")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "Tabulon-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tabulon")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Tabulon")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_EXECUTABLES "Tabulon" "Tabulon")
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_OUTPUT_FILE_PREFIX "${CMAKE_BINARY_DIR}/packages")

set(CPACK_NSIS_PACKAGE_NAME "Tabulon")
set(CPACK_NSIS_DISPLAY_NAME "Tabulon")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/tabulon.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/tabulon.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "Tabulon.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# A 64-bit installer for a 64-bit program (and for a 64-bit-only Wine).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

include(CPack)
