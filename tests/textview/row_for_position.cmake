# A row passed where a position is meant does not compile. cmake -P with COMPILER, INCLUDE (the
# text view's folder) and SOURCE (row_for_position.cpp): the source as written must compile, so
# that the check builds what it should; with VELMORA_ROW_FOR_POSITION it must fail, and on the
# conversion from Row to Position, not for another reason.
foreach(variable COMPILER INCLUDE SOURCE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "row_for_position.cmake: ${variable} is not set")
  endif()
endforeach()
set(compile ${COMPILER} -std=c++20 -fsyntax-only -I${INCLUDE} ${SOURCE})

execute_process(COMMAND ${compile} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the correct use does not compile, so the check proves nothing:\n${errors}")
endif()

execute_process(COMMAND ${compile} -DVELMORA_ROW_FOR_POSITION
  RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result EQUAL 0)
  message(FATAL_ERROR "a row passed where a position is meant compiles")
endif()
if(NOT errors MATCHES "Row[^\n]*Position")
  message(FATAL_ERROR "the wrong use fails, but not on Row for Position:\n${errors}")
endif()
message(STATUS "a row passed where a position is meant does not compile")
