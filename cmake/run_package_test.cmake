# Builds the Debian packages, checks them with lintian, unpacks them with dpkg -x into a
# temporary root and checks that every file is in the package it belongs to, that only the
# program's package needs the GUI libraries, and that t73 runs from there.
# Arguments: CPACK, CONFIG (CPackConfig.cmake) and WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN}\nfailed (${result}):\n${out}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

run("${CPACK}" -G DEB --config "${CONFIG}" -B "${WORK_DIR}/package")

# Each package: its files, and the dependencies it must have (yes) or must not have (no).
set(tool_files usr/bin/t73 usr/share/tc7350/Deutsch.lng usr/share/man/man1/t73.1.gz
    usr/share/doc/t73/copyright usr/share/doc/t73/changelog.gz)
set(tool_yes libstdc\\+\\+6 libc6)
set(tool_no libwx gtk)
set(gui_files usr/bin/tc7350 usr/share/applications/tc7350.desktop
    usr/share/icons/hicolor/scalable/apps/tc7350.svg usr/share/mime/packages/tc7350.xml
    usr/share/man/man1/tc7350.1.gz
    usr/share/doc/terminal-composer/copyright usr/share/doc/terminal-composer/changelog.gz)
set(gui_yes "t73 \\(= " libwxgtk3.2 libwxbase3.2 libstdc\\+\\+6 libc6)
set(gui_no)

set(root "${WORK_DIR}/root")
foreach(package tool gui)
    set(name t73)
    if(package STREQUAL "gui")
        set(name terminal-composer)
    endif()
    file(GLOB deb "${WORK_DIR}/package/${name}_*.deb")
    list(LENGTH deb count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "expected one package ${name}, found: ${deb}")
    endif()
    run(dpkg-deb --field "${deb}" Depends)
    message(STATUS "${name}: ${run_output}")
    foreach(dependency IN LISTS ${package}_yes)
        if(NOT run_output MATCHES "${dependency}")
            message(FATAL_ERROR "${name} does not depend on ${dependency}: ${run_output}")
        endif()
    endforeach()
    foreach(dependency IN LISTS ${package}_no)
        if(run_output MATCHES "${dependency}")
            message(FATAL_ERROR "${name} depends on ${dependency}: ${run_output}")
        endif()
    endforeach()
    # Errors fail the test; warnings and notes are shown.
    execute_process(COMMAND lintian --fail-on error --no-tag-display-limit "${deb}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message(STATUS "lintian ${name}:\n${out}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lintian finds errors in ${name}:\n${out}")
    endif()
    set(unpacked "${WORK_DIR}/${package}")
    run(dpkg -x "${deb}" "${unpacked}")
    foreach(file IN LISTS ${package}_files)
        if(NOT EXISTS "${unpacked}/${file}")
            message(FATAL_ERROR "${name} lacks ${file}")
        endif()
    endforeach()
    run(dpkg -x "${deb}" "${root}")
endforeach()

run("${root}/usr/bin/t73" new "${WORK_DIR}/new.T73")
file(SIZE "${WORK_DIR}/new.T73" size)
if(NOT size EQUAL 154298)
    message(FATAL_ERROR "t73 new wrote ${size} bytes, not 154298")
endif()

# The installed language file, chosen by name, puts its device texts into the design.
run("${root}/usr/bin/t73" --program-dir "${root}/usr/share/tc7350" --language Deutsch
    new "${WORK_DIR}/deutsch.T73")
file(STRINGS "${WORK_DIR}/deutsch.T73" german REGEX "Durchsuchen")
if(NOT german)
    message(FATAL_ERROR "the German design holds no German device text")
endif()

# A file manager finds the program for a design file by its type: the type's file name pattern,
# its header and the desktop entry that takes such files.
run(update-mime-database "${root}/usr/share/mime")
file(READ "${root}/usr/share/mime/globs2" globs)
file(READ "${root}/usr/share/mime/magic" magic HEX)
file(READ "${root}/usr/share/applications/tc7350.desktop" entry)
if(NOT globs MATCHES "application/x-tc7350-design:\\*\\.t73"
   OR NOT magic MATCHES "5443373335302d"  # "TC7350-"
   OR NOT entry MATCHES "MimeType=application/x-tc7350-design;"
   OR NOT entry MATCHES "Exec=tc7350 %f")
    message(FATAL_ERROR "the design file type is not installed for the program:\n${globs}\n${entry}")
endif()
