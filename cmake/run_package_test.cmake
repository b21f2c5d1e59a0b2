# Builds the Debian package, unpacks it with dpkg -x into a temporary root and checks that the
# programs, the desktop entry, the icon and the language file are in place and that t73 runs from
# there. Arguments: CPACK, CONFIG (CPackConfig.cmake) and WORK_DIR.
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
file(GLOB packages "${WORK_DIR}/package/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${packages}")
endif()

run(dpkg-deb --field "${packages}" Package Depends)
message(STATUS "${run_output}")
foreach(dependency libwxgtk3.2 libwxbase3.2 libstdc\\+\\+6 libc6)
    if(NOT run_output MATCHES "Depends:.*${dependency}")
        message(FATAL_ERROR "the package does not depend on ${dependency}:\n${run_output}")
    endif()
endforeach()

set(root "${WORK_DIR}/root")
run(dpkg -x "${packages}" "${root}")
foreach(file usr/bin/tc7350 usr/bin/t73 usr/share/applications/tc7350.desktop
        usr/share/icons/hicolor/scalable/apps/tc7350.svg usr/share/tc7350/Deutsch.lng)
    if(NOT EXISTS "${root}/${file}")
        message(FATAL_ERROR "the package lacks ${file}")
    endif()
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
