# Windows only: the programs carry their manifest (resources/windows/program.rc).
enable_language(RC)
foreach(program IN ITEMS t73 tc7350)
    if(TARGET ${program})
        target_sources(${program} PRIVATE "${PROJECT_SOURCE_DIR}/resources/windows/program.rc")
    endif()
endforeach()
