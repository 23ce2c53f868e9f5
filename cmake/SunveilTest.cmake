# sunveil_add_test(<name> SOURCES <files...> LIBS <targets...> [E2E] [TRAY])
#
# One QtTest executable per behaviour group. Widget tests run on the offscreen platform; end-to-end
# tests (E2E) run on a virtual X display of their own with a window manager (and, with TRAY, a
# notification area), one at a time, and find the programs under test through SUNVEIL_BIN_DIR.
function(sunveil_add_test name)
    cmake_parse_arguments(ARG "E2E;TRAY" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test sunveil_testsupport sunveil_warnings ${ARG_LIBS})
    if(ARG_E2E)
        set(session ${CMAKE_SOURCE_DIR}/tests/e2e/xsession.sh)
        if(ARG_TRAY)
            list(APPEND session --tray)
        endif()
        add_test(NAME ${name} COMMAND ${session} $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "SUNVEIL_BIN_DIR=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
            LABELS e2e
            RUN_SERIAL TRUE
            TIMEOUT 600)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            LABELS unit
            TIMEOUT 300)
    endif()
endfunction()
