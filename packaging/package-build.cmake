# The settings of the build the Debian package is made from, loaded before the first configure
# (package.sh and scripts/install-check.sh pass it as: cmake -C packaging/package-build.cmake).
# Only the program and what is installed with it are built, so neither the tests nor the
# benchmarks are, and installing does not wait for every target.
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(BUILD_TESTING OFF CACHE BOOL "")
set(PLATOMER_BENCHMARKS OFF CACHE BOOL "")
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON CACHE BOOL "")

# The hardening Debian builds its own packages with: a stack protector, the checked variants of
# the C library's string and memory functions (they need the optimisation of the build type), and
# a relocation table that is resolved at start-up and then made read-only. The other builds keep
# their flags, so the sanitizers and the debugger see the code as it is written.
set(CMAKE_CXX_FLAGS "-fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security"
    CACHE STRING "" FORCE)
set(CMAKE_EXE_LINKER_FLAGS "-Wl,-z,relro -Wl,-z,now" CACHE STRING "" FORCE)

# The package's files are stripped when they are installed (CPACK_STRIP_FILES) with this.
set(CMAKE_STRIP ${CMAKE_CURRENT_LIST_DIR}/strip.sh CACHE FILEPATH "" FORCE)
