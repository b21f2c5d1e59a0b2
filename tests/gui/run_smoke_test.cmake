# Runs tc7350's smoke test under Xvfb in a fresh, empty program directory and checks that it
# passed and saved its screenshots. Variables: XVFB_RUN, TC7350, SMOKE_DIR.
file(REMOVE_RECURSE "${SMOKE_DIR}")
file(MAKE_DIRECTORY "${SMOKE_DIR}/program" "${SMOKE_DIR}/out")
execute_process(
    COMMAND "${XVFB_RUN}" -a "${TC7350}" --program-dir "${SMOKE_DIR}/program"
            --smoke-test "${SMOKE_DIR}/out"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "tc7350 --smoke-test failed: ${result}")
endif()
foreach(png main.png sheet.png barcode-2d.png length-dialog.png)
    file(SIZE "${SMOKE_DIR}/out/${png}" size)
    if(NOT size GREATER 1000)
        message(FATAL_ERROR "${png} was not saved")
    endif()
endforeach()
message(STATUS "screenshots in ${SMOKE_DIR}/out")
