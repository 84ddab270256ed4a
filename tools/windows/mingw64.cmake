# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# against the Qt that tools/windows/qt-mingw.sh places in /opt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(ZELMORA_QT_MINGW /opt/qt6-mingw-6.4.2 CACHE PATH "Qt built for MinGW")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZELMORA_QT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# moc, uic and rcc come from the build machine's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Qt's host tools' CMake files")
# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# GCC 12 warns falsely about overlapping copies and overflows inside the
# standard library's strings and algorithms at -O3 (its bugs 105329, 106199).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict -Wno-stringop-overflow")
# Test programs are listed under Wine when ctest runs, after build.sh has
# started the Wine server, rather than while building.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
