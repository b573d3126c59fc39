# The compiler's warnings, on all our own targets; third-party code keeps its
# own flags. They are errors only where we develop (the presets test.sh
# builds turn VELTARA_WERROR on): a release built by someone else with a
# newer compiler must not fail on a warning that compiler adds.
option(VELTARA_WERROR "Make the compiler's warnings errors" OFF)

function(veltara_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 $<$<BOOL:${VELTARA_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                           $<$<BOOL:${VELTARA_WERROR}>:-Werror>)
  endif()
  # g++ 12 (Debian 12's, and its mingw-w64) miscompiles a function that
  # takes a struct by const reference and passes its fields by value to a
  # function it later proves const: its mod/ref analysis finds the struct
  # unread, and the caller's store of it is dropped as dead.
  # tests/compiler/ holds that shape.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -fno-ipa-modref)
  endif()
endfunction()
