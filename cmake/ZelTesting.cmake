# Test registration shared by every test folder.
#
# Every test runs with a pinned locale and time zone and with XDG_CONFIG_HOME pointing into the
# build tree, so that no test can read or change the settings of the person running it. Its
# runtime folder is there too: without one Qt makes /tmp/runtime-<user> and leaves it behind.

set(ZEL_TEST_RUNTIME_DIR "${CMAKE_BINARY_DIR}/test-runtime")
file(MAKE_DIRECTORY "${ZEL_TEST_RUNTIME_DIR}")
file(CHMOD "${ZEL_TEST_RUNTIME_DIR}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(ZEL_TEST_ENV
    "LANG=C.UTF-8"
    "LC_ALL=C.UTF-8"
    "TZ=UTC"
    "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config"
    "XDG_RUNTIME_DIR=${ZEL_TEST_RUNTIME_DIR}"
    "ZEL_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    "ZEL_TEST_TOOLS=${CMAKE_BINARY_DIR}/tests/tools"
)

# zel_add_qtest(<name> KIND <unit|widget> SOURCES <files...> [LIBS <targets...>] [SANITIZE])
#
# A Qt Test executable registered with CTest as "<kind>.<name>" and labelled with its kind,
# linked to zeltestsupport for the shared test doubles in tests/support.
# Widget tests run in-process on the offscreen platform. SANITIZE marks tests that also run in
# the AddressSanitizer configuration, which builds nothing else.
function(zel_add_qtest name)
    cmake_parse_arguments(ARG "SANITIZE" "KIND" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_KIND MATCHES "^(unit|widget)$")
        message(FATAL_ERROR "zel_add_qtest(${name}): KIND must be unit or widget")
    endif()
    if(ZEL_SANITIZE AND NOT ARG_SANITIZE)
        return()
    endif()
    if(ARG_KIND STREQUAL "widget" AND NOT ZEL_GUI)
        return()
    endif()
    set(target tst_${name})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE Qt6::Test zeltestsupport zelflags ${ARG_LIBS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${ARG_KIND}.${name} COMMAND ${target})
    set(env ${ZEL_TEST_ENV})
    if(ARG_KIND STREQUAL "widget")
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${ARG_KIND}.${name} PROPERTIES
        LABELS ${ARG_KIND}
        ENVIRONMENT "${env}"
        TIMEOUT 300)
endfunction()

# zel_add_e2e(<name> SCRIPT <file> [ARGS <arguments...>] [WMS <managers...>] [DESKTOPS <...>])
#
# An end-to-end test: a bash script that drives the real programs under Xvfb with a window
# manager (tests/e2e/lib.sh gives it a private display and a private settings folder).
# WMS: the window managers to run the script under, once each, as e2e.<name>.<manager> with
# ZEL_WM naming it (tests/e2e/lib.sh starts it); without, one e2e.<name> under openbox.
# DESKTOPS: the same under the heavy desktop compositors (mutter, kwin), labelled "desktops"
# and left out of the default test run: `make test-desktops` installs them and runs these.
function(zel_add_e2e name)
    cmake_parse_arguments(ARG "" "SCRIPT" "ARGS;WMS;DESKTOPS" ${ARGN})
    if(NOT ZEL_GUI OR ZEL_SANITIZE)
        return()
    endif()
    set(runs e2e.${name})
    set(wms openbox)
    if(ARG_WMS)
        list(TRANSFORM ARG_WMS PREPEND e2e.${name}. OUTPUT_VARIABLE runs)
        set(wms ${ARG_WMS})
    endif()
    list(TRANSFORM ARG_DESKTOPS PREPEND e2e.${name}. OUTPUT_VARIABLE desktop_runs)
    foreach(run wm IN ZIP_LISTS runs wms)
        zel_add_e2e_run(${run} ${wm} e2e ${ARG_SCRIPT} ${ARG_ARGS})
    endforeach()
    foreach(run wm IN ZIP_LISTS desktop_runs ARG_DESKTOPS)
        zel_add_e2e_run(${run} ${wm} desktops ${ARG_SCRIPT} ${ARG_ARGS})
    endforeach()
endfunction()

# One run of an end-to-end script under the window manager `wm`, with the label given.
function(zel_add_e2e_run run wm label script)
    add_test(NAME ${run} COMMAND bash ${script} ${ARGN})
    set_tests_properties(${run} PROPERTIES
        LABELS ${label}
        ENVIRONMENT "${ZEL_TEST_ENV};ZEL_E2E_LIB=${PROJECT_SOURCE_DIR}/tests/e2e/lib.sh;ZEL_WM=${wm}"
        TIMEOUT 300
        SKIP_RETURN_CODE 77)
endfunction()
