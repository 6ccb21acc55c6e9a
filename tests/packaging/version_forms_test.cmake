# The forms of the one version, run with cmake -P:
#   -DMODULE=cmake/VelmoraVersion.cmake -DRC=build/.../velmora.rc,... -DPROJECT_VERSION=1.0.0
# A table of project versions and the forms they must take, then each program's configured
# Windows version record (NAME.rc for NAME.exe) checked against the project's version.
include(${MODULE})

set(failures 0)
macro(expect what got want)
  if("${got}" STREQUAL "${want}")
    message(STATUS "ok: ${what}")
  else()
    message(STATUS "FAIL: ${what}: got '${got}', want '${want}'")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

# version | display | four parts with commas
set(rows
  "1.0.0|1.00|1,0,0,0"      # the first release: the minor padded to two digits
  "2.5|2.05|2,5,0,0"        # no patch: the missing parts are 0
  "1.12.3|1.12|1,12,3,0"    # a two-digit minor as it is; the patch is not shown
  "3.07.1.4|3.07|3,7,1,4")  # all four parts, as plain numbers
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 version)
  list(GET row 1 display)
  list(GET row 2 commas)
  velmora_display_version(got ${version})
  expect("${version} -> ${display}" "${got}" "${display}")
  velmora_four_part_version(got ${version} ",")
  expect("${version} -> ${commas}" "${got}" "${commas}")
endforeach()

# The record the executable carries: fixed fields with commas, strings in the display form, each
# made from the project's version by the rule the table above checks.
velmora_display_version(display ${PROJECT_VERSION})
velmora_four_part_version(commas ${PROJECT_VERSION} ",")
string(REPLACE "." "\\." display "${display}")
string(REPLACE "," ";" records "${RC}")
foreach(rc IN LISTS records)
  get_filename_component(program ${rc} NAME_WE)
  file(READ "${rc}" record)
  foreach(pattern
      "FILEVERSION +${commas}"
      "PRODUCTVERSION +${commas}"
      "\"FileVersion\", +\"${display}\""
      "\"ProductVersion\", +\"${display}\""
      "\"OriginalFilename\", +\"${program}\\.exe\"")
    if(record MATCHES "${pattern}")
      message(STATUS "ok: ${program}'s version record has ${pattern}")
    else()
      message(STATUS "FAIL: ${program}'s version record lacks ${pattern}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} failed")
endif()
