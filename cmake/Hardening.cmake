# SPDX-FileCopyrightText: 2026 The oildrop developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening a Debian build applies (dpkg-buildflags with hardening=+all),
# for every target of a normal build. The sanitizer and fuzzing builds bring
# their own instrumentation and stay as they are.
if(OILDROP_SANITIZE OR OILDROP_FUZZ)
    return()
endif()
# A browser runs WebAssembly in its own sandbox: no stack canaries, checked
# C functions, RELRO or ASLR there.
if(EMSCRIPTEN)
    return()
endif()

# Stack canaries in functions with local arrays or addresses of locals taken;
# printf-style calls with a non-literal format and no arguments are errors.
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# MinGW-w64 keeps the canaries' and the checked functions' support in libssp.
if(MINGW)
    link_libraries(ssp)
endif()

# Checked variants of the C library's string and memory functions. They need
# the optimiser (glibc warns at -O0, which -Werror would turn into an error),
# so a Debug build goes without. -U first, in case the compiler predefines it.
add_compile_options(
    "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>"
    "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")

if(WIN32)
    # A Windows executable: ASLR with 64-bit addresses, and no code run from data.
    add_link_options("LINKER:--dynamicbase" "LINKER:--high-entropy-va" "LINKER:--nxcompat")
else()
    # Relocations resolved at start-up and then made read-only (full RELRO): ELF only.
    add_link_options("LINKER:-z,relro" "LINKER:-z,now")
endif()

# Position-independent executables, so that ASLR applies to the program too.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
