# Fails when a source file reaches up a floor or out to the tools, tests, benchmarks or fuzz
# targets, or when SDL or OpenGL headers are included outside media/platform.
# Run as: cmake -DSOURCE_DIR=... -P check_layering.cmake
set(floors media/core media/decode media/platform framework game frontend)
set(faults "")

foreach(index RANGE 5)
  list(GET floors ${index} floor)
  math(EXPR above "${index} + 1")
  set(higher "")
  if(above LESS 6)
    list(SUBLIST floors ${above} -1 higher)
  endif()
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${floor}/*.cpp" "${SOURCE_DIR}/${floor}/*.h")
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^#include ")
    foreach(line ${includes})
      foreach(up ${higher})
        if(line MATCHES "^#include \"${up}/")
          list(APPEND faults "${source}: ${line} reaches up from ${floor} to ${up}")
        endif()
      endforeach()
      if(line MATCHES "^#include \"(tools|tests|bench|fuzz)/")
        list(APPEND faults "${source}: ${line} reaches out from ${floor} to ${CMAKE_MATCH_1}")
      endif()
      if(NOT floor STREQUAL "media/platform" AND line MATCHES "^#include <(SDL|GL/|EGL/|GLES)")
        list(APPEND faults "${source}: ${line} outside media/platform")
      endif()
    endforeach()
  endforeach()
endforeach()

# Tools, tests and benchmarks reach SDL and OpenGL only through media/platform too; the bare
# program the game is measured against is the one exception.
file(GLOB_RECURSE others "${SOURCE_DIR}/tools/*.cpp" "${SOURCE_DIR}/tools/*.h"
  "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/tests/*.h" "${SOURCE_DIR}/fuzz/*.cpp"
  "${SOURCE_DIR}/fuzz/*.h" "${SOURCE_DIR}/bench/*.cpp" "${SOURCE_DIR}/bench/*.h")
list(FILTER others EXCLUDE REGEX "/bench/bare/")
foreach(source ${others})
  file(STRINGS ${source} includes REGEX "^#include <(SDL|GL/|EGL/|GLES)")
  foreach(line ${includes})
    list(APPEND faults "${source}: ${line} outside media/platform")
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Layering broken:\n${report}")
endif()
