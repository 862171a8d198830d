# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build's tests: those of the suite that need no window, run
# under Wine by ctest (the emulator), the sound through waveOut, and the
# painted charts. Qt's headers are parsed once for all of them, as in the
# native build.
add_executable(oildrop_pch_core pch/pch_stand_in.cpp)
target_link_libraries(oildrop_pch_core PRIVATE Qt6::Test oildrop_fakes oildrop_warnings)
target_precompile_headers(oildrop_pch_core PRIVATE <QtTest>)
set_target_properties(oildrop_pch_core PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# oildrop_windows_test(<name> [LIBS ...] [TIMEOUT seconds]): tests/<name>.cpp.
function(oildrop_windows_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${name}.cpp)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    target_link_libraries(${name} PRIVATE Qt6::Test oildrop_fakes ${T_LIBS} oildrop_warnings)
    if(NOT T_LIBS)
        target_precompile_headers(${name} REUSE_FROM oildrop_pch_core)
    endif()
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${name} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

foreach(name tst_physics tst_charge_analysis tst_numbers tst_parameters tst_plots tst_layout tst_run
             tst_procedure tst_laboratory tst_journal tst_tones)
    oildrop_windows_test(${name})
endforeach()
target_link_libraries(tst_tones PRIVATE oildrop_platform_core)
oildrop_windows_test(tst_assignments LIBS oildrop_assignments oildrop_journal)
oildrop_windows_test(tst_painted_charts LIBS oildrop_ui)

# The tones through waveOut, recorded from a private PulseAudio server that
# Wine plays into: the synthesiser's three tones, in order, without gaps.
add_executable(sound_probe audio/sound_probe.cpp)
set_target_properties(sound_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(sound_probe PRIVATE oildrop_platform_qt oildrop_warnings)
# The module's folder as Wine names it (its drive Z: is the root of this machine).
target_compile_definitions(sound_probe PRIVATE OILDROP_MODULE_DIR="Z:$<TARGET_FILE_DIR:oildrop_sound>")
add_dependencies(sound_probe oildrop_sound)
add_test(NAME sound_output_waveout COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/audio/check_sound.sh $<TARGET_FILE:sound_probe>)
set_tests_properties(sound_output_waveout PROPERTIES TIMEOUT 90 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE
    ENVIRONMENT "OILDROP_EMULATOR=wine")
