# Installing the programs, the files beside them and the desktop entry; the Debian package.
#
# The program directory of an installed tc7350 is <prefix>/share/tc7350 (see
# shell/program_places.h): the language files go there. The INI file is written there only when
# that folder can be written; otherwise it goes to the user's configuration folder.
include(GNUInstallDirs)

file(GLOB TC_LANGUAGE_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/languages/*.lng")

# A copy beside the built programs, so that a program run from the build tree offers them.
set(TC_LANGUAGE_STAMP "${PROJECT_BINARY_DIR}/language_files.stamp")
add_custom_command(
    OUTPUT "${TC_LANGUAGE_STAMP}"
    COMMAND "${CMAKE_COMMAND}" -E copy_if_different ${TC_LANGUAGE_FILES} "$<TARGET_FILE_DIR:t73>"
    COMMAND "${CMAKE_COMMAND}" -E touch "${TC_LANGUAGE_STAMP}"
    DEPENDS ${TC_LANGUAGE_FILES}
    COMMENT "Copying the language files beside the programs")
add_custom_target(tc_language_files DEPENDS "${TC_LANGUAGE_STAMP}")
add_dependencies(t73 tc_language_files)
add_dependencies(tc7350 tc_language_files)

install(TARGETS tc7350 t73 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES ${TC_LANGUAGE_FILES} DESTINATION "${CMAKE_INSTALL_DATADIR}/tc7350")
if(UNIX AND NOT APPLE)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/desktop/tc7350.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${PROJECT_SOURCE_DIR}/resources/desktop/tc7350.svg"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
endif()

set(CPACK_PACKAGE_NAME "terminal-composer")
set(CPACK_PACKAGE_VENDOR "The Terminal Composer developers")
set(CPACK_PACKAGE_CONTACT "The Terminal Composer developers <terminal-composer@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Designs data-collection applications for the 7350 handheld terminal")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Terminal Composer composes an application for the 7350 handheld terminal out of Forms, "
       "Menus, Lookups and the reader and system settings, and saves it as one design file "
       "(*.T73). The package holds the window program tc7350 and the command-line tool t73.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
# dpkg-shlibdeps (dpkg-dev) derives the dependencies from the libraries the programs link:
# the wxWidgets runtime (libwxgtk3.2-1, libwxbase3.2-1) and the C and C++ runtimes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# The package test: build the package, unpack it into a folder and run the tool from there.
if(TC_BUILD_TESTS AND UNIX AND NOT APPLE)
    add_test(NAME package.deb
             COMMAND "${CMAKE_COMMAND}" -DCPACK=${CMAKE_CPACK_COMMAND}
                     -DCONFIG=${PROJECT_BINARY_DIR}/CPackConfig.cmake
                     -DWORK_DIR=${PROJECT_BINARY_DIR}/package-test
                     -P "${CMAKE_CURRENT_LIST_DIR}/run_package_test.cmake")
    set_tests_properties(package.deb PROPERTIES TIMEOUT 300)
endif()
