# cmake/CheckLayers.cmake on small trees: each row a tree, its table, and what the check must say
# (empty: it passes and leaves its stamp).
#   cmake -D CHECK=cmake/CheckLayers.cmake -D WORK=folder -P check_layers_test.cmake

set(failed)

# layers_case(NAME TABLE EXPECTED FILE=INCLUDE...): each FILE under src/ gets the line
# "#include INCLUDE", or none when INCLUDE is empty.
function(layers_case name table expected)
  set(root ${WORK}/${name})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/layers.txt "${table}")
  foreach(entry IN LISTS ARGN)
    string(FIND "${entry}" "=" at)
    string(SUBSTRING "${entry}" 0 ${at} path)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${entry}" ${at} -1 included)
    if(included STREQUAL "")
      file(APPEND ${root}/src/${path} "#pragma once\n")
    else()
      file(APPEND ${root}/src/${path} "#include ${included}\n")
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -D SOURCE_DIR=${root}/src -D TABLE=${root}/layers.txt -D STAMP=${root}/stamp
                          -P ${CHECK}
                  RESULT_VARIABLE result ERROR_VARIABLE said OUTPUT_QUIET)
  if(expected STREQUAL "")
    if(NOT result EQUAL 0 OR NOT EXISTS ${root}/stamp)
      set(failed ${failed} "${name}: should pass, said: ${said}" PARENT_SCOPE)
    endif()
  else()
    string(FIND "${said}" "${expected}" found)
    if(result EQUAL 0 OR EXISTS ${root}/stamp OR found EQUAL -1)
      set(failed ${failed} "${name}: should stop with '${expected}', said: ${said}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

set(layers "app drivers\ndrivers\nops app drivers\nsim drivers/link/frame.h\ndrivers/link drivers\n")
layers_case(Downward "${layers}" ""
  "app/window.h=\"drivers/printer.h\"" "drivers/printer.h=\"printer_hold.h\"" "drivers/printer_hold.h="
  "ops/run.cpp=\"app/window.h\"" "sim/codec_user.h=<drivers/link/frame.h>" "drivers/link/frame.h=\"drivers/printer.h\"")
layers_case(Upward "${layers}" "src/drivers/printer.h: app/window.h"
  "app/window.h=" "drivers/printer.h=\"app/window.h\"")
layers_case(Sideways "app drivers\ndrivers\nops app\nmore app\n" "src/ops/run.cpp: more/other.h (src/ops/ may include: app)"
  "app/window.h=" "ops/run.cpp=\"more/other.h\"" "more/other.h=")
layers_case(OneHeaderDoesNotOpenItsFolder "${layers}" "src/sim/printer.h: drivers/link/link.h"
  "sim/printer.h=<drivers/link/link.h>" "drivers/link/link.h=" "drivers/link/frame.h=")
layers_case(ABareNameOfAnotherFolder "${layers}" "\"link.h\" is another folder's (drivers/link/link.h)"
  "app/window.cpp=\"link.h\"" "drivers/link/link.h=")
layers_case(AFolderWithoutARow "${layers}" "src/extra/ has no row"
  "extra/thing.h=\"app/window.h\"" "app/window.h=")

if(failed)
  list(JOIN failed "\n" text)
  message(FATAL_ERROR "${text}")
endif()
