# Installing the programs, the files beside them and the desktop entry; the Debian packages.
#
# The program directory of an installed tc7350 is <prefix>/share/tc7350 (see
# shell/program_places.h): the language files go there. The INI file is written there only when
# that folder can be written; otherwise it goes to the user's configuration folder.
#
# Two install components, one Debian package each: "tool" (package t73: the command-line tool,
# the language files and its manual page, no GUI libraries) and "gui" (package
# terminal-composer: tc7350, its desktop entry, icon and manual page; it depends on t73).
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
if(TARGET tc7350)
    add_dependencies(tc7350 tc_language_files)
endif()

set(TC_TOOL_PACKAGE "t73")
set(TC_GUI_PACKAGE "terminal-composer")
set(TC_PACKAGE_MAINTAINER
    "Terminal Composer developers <maintainers@users.noreply.c-seed-6664c386.example>"
    CACHE STRING "Maintainer of the Debian packages: name <address>")

install(TARGETS t73 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT tool)
install(FILES ${TC_LANGUAGE_FILES} DESTINATION "${CMAKE_INSTALL_DATADIR}/tc7350" COMPONENT tool)
if(TARGET tc7350)
    install(TARGETS tc7350 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT gui)
endif()
if(UNIX AND NOT APPLE)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/desktop/tc7350.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications" COMPONENT gui)
    # The design file type, so that a file manager opens *.T73 files with the program.
    install(FILES "${PROJECT_SOURCE_DIR}/resources/desktop/tc7350.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages" COMPONENT gui)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/desktop/tc7350.svg"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" COMPONENT gui)

    # Manual pages, and per package the copyright file and the changelog, compressed as Debian
    # wants them (gzip -n: no name or time stamp, so that builds give the same bytes).
    find_program(GZIP_PROGRAM gzip REQUIRED)
    set(TC_PACKAGE_FILES "${PROJECT_BINARY_DIR}/package-files")
    set(TC_COMPRESSED_FILES)
    foreach(page t73 tc7350)
        set(gz "${TC_PACKAGE_FILES}/${page}.1.gz")
        add_custom_command(OUTPUT "${gz}"
                           COMMAND "${GZIP_PROGRAM}" -9n -c "${PROJECT_SOURCE_DIR}/docs/man/${page}.1" > "${gz}"
                           DEPENDS "${PROJECT_SOURCE_DIR}/docs/man/${page}.1")
        list(APPEND TC_COMPRESSED_FILES "${gz}")
    endforeach()
    install(FILES "${TC_PACKAGE_FILES}/t73.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1"
            COMPONENT tool)
    install(FILES "${TC_PACKAGE_FILES}/tc7350.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1"
            COMPONENT gui)
    foreach(component tool gui)
        string(TOUPPER "${component}" upper)
        set(PACKAGE "${TC_${upper}_PACKAGE}")
        set(VERSION "${PROJECT_VERSION}")
        set(dir "${TC_PACKAGE_FILES}/${PACKAGE}")
        configure_file("${PROJECT_SOURCE_DIR}/resources/debian/copyright" "${dir}/copyright" @ONLY)
        configure_file("${PROJECT_SOURCE_DIR}/resources/debian/changelog" "${dir}/changelog" @ONLY)
        add_custom_command(OUTPUT "${dir}/changelog.gz"
                           COMMAND "${GZIP_PROGRAM}" -9n -c "${dir}/changelog" > "${dir}/changelog.gz"
                           DEPENDS "${dir}/changelog")
        list(APPEND TC_COMPRESSED_FILES "${dir}/changelog.gz")
        install(FILES "${dir}/copyright" "${dir}/changelog.gz"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${PACKAGE}" COMPONENT ${component})
    endforeach()
    add_custom_target(tc_package_files ALL DEPENDS ${TC_COMPRESSED_FILES})
endif()

set(CPACK_PACKAGE_NAME "${TC_GUI_PACKAGE}")
set(CPACK_PACKAGE_VENDOR "The Terminal Composer developers")
set(CPACK_PACKAGE_CONTACT "${TC_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Designs data-collection applications for the 7350 handheld terminal")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_COMPONENTS_ALL tool gui)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME "${TC_TOOL_PACKAGE}")
set(CPACK_DEBIAN_GUI_PACKAGE_NAME "${TC_GUI_PACKAGE}")
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS "${TC_TOOL_PACKAGE} (= ${PROJECT_VERSION})")
# The package summary is the synopsis of both; these are the extended descriptions (lines of at
# most 79 characters, as lintian wants them).
set(CPACK_COMPONENT_TOOL_DESCRIPTION
    "t73 runs the code of the Terminal Composer program without a display: it\n"
    "saves new designs, opens and saves them again, turns them into JSON and back\n"
    "(for version control), checks their records and describes them on an HTML\n"
    "page. Also the language files that both programs use.")
set(CPACK_COMPONENT_GUI_DESCRIPTION
    "Terminal Composer composes an application for the 7350 handheld terminal out\n"
    "of Forms, Menus, Lookups and the reader and system settings, and saves it as\n"
    "one design file (*.T73). This package holds the window program tc7350; the\n"
    "command-line tool is in the package t73.")
# dpkg-shlibdeps (dpkg-dev) derives the dependencies from the libraries the programs link: the
# wxWidgets runtime (libwxgtk3.2-1, libwxbase3.2-1) and GTK for tc7350 only, the C and C++
# runtimes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# The package test: build the packages, check them with lintian, unpack them into a folder and
# run the tool from there.
if(TC_BUILD_TESTS AND UNIX AND NOT APPLE)
    add_test(NAME package.deb
             COMMAND "${CMAKE_COMMAND}" -DCPACK=${CMAKE_CPACK_COMMAND}
                     -DCONFIG=${PROJECT_BINARY_DIR}/CPackConfig.cmake
                     -DWORK_DIR=${PROJECT_BINARY_DIR}/package-test
                     -P "${CMAKE_CURRENT_LIST_DIR}/run_package_test.cmake")
    set_tests_properties(package.deb PROPERTIES TIMEOUT 300)
endif()
