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
endfunction()
