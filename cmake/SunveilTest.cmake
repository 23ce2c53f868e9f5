# sunveil_add_test(<name> SOURCES <files...> LIBS <targets...> [GUILESS] [E2E])
#
# One QtTest executable per behaviour group. Widget tests run on the offscreen platform; end-to-end
# tests (E2E) run on the X display that scripts/test.sh provides and carry the "e2e" label.
function(sunveil_add_test name)
    cmake_parse_arguments(ARG "E2E" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test sunveil_testsupport sunveil_warnings ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_E2E)
        set_tests_properties(${name} PROPERTIES LABELS e2e TIMEOUT 600)
    else()
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            LABELS unit
            TIMEOUT 300)
    endif()
endfunction()
