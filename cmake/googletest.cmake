# GoogleTest: the installed package where there is one; otherwise (as when
# cross-building for Windows) built here from Debian's googletest sources.
include(GoogleTest)
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(NOT TARGET GTest::gtest_main)
  set(VELTARA_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VELTARA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()

# Registers a test program's tests with CTest. They are listed when CTest
# runs, not at build time, since the Windows build's programs run only under
# Wine, whose first start makes its prefix and can take a while.
function(veltara_discover_tests target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300 ${ARGN})
endfunction()
