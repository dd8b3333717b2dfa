# Cross-building for 64-bit ARM Debian with Debian's cross compiler, against
# the arm64 root that scripts/arm64-sysroot.sh unpacks (VORKKELI_SYSROOT).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_SYSROOT ${VORKKELI_SYSROOT})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORKKELI_SYSROOT)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config answers from the root, with its paths.
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${VORKKELI_SYSROOT})
set(ENV{PKG_CONFIG_LIBDIR} ${VORKKELI_SYSROOT}/usr/lib/aarch64-linux-gnu/pkgconfig:${VORKKELI_SYSROOT}/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
# The package is arm64's, its libraries' packages read from the root
# (scripts/build-arm64.sh points dpkg-shlibdeps at the root's package records).
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${VORKKELI_SYSROOT}/lib/aarch64-linux-gnu
    ${VORKKELI_SYSROOT}/usr/lib/aarch64-linux-gnu)
