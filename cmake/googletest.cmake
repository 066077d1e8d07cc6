# GoogleTest: an installed package where there is one (Linux host, MSYS2), else Debian's sources,
# built with the cross compiler for the Windows-side tests.
find_package(GTest QUIET)
if(NOT GTest_FOUND)
  set(VELAMO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build from")
  if(NOT EXISTS ${VELAMO_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest not found: install it or set VELAMO_GTEST_SOURCE")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VELAMO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
