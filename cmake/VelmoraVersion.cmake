# The one version of velmora, taken from project(VERSION) and written out the ways the program
# shows it: the display version ("1.00": major, a point, the minor in two digits), the four-part
# number of the Windows version record (1.0.0.0), and the same with commas for its fixed fields.

# velmora_display_version(OUT VERSION): "1.0.0" -> "1.00", "2.5" -> "2.05", "1.12.3" -> "1.12".
function(velmora_display_version out version)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)(\\.[0-9]+)*$")
    message(FATAL_ERROR "velmora: version '${version}' is not MAJOR.MINOR[.PATCH[.TWEAK]]")
  endif()
  set(major ${CMAKE_MATCH_1})
  # The caption and the package show the minor in exactly two digits.
  math(EXPR minor "${CMAKE_MATCH_2}")
  if(minor GREATER 99)
    message(FATAL_ERROR "velmora: minor version ${minor} does not fit two digits")
  endif()
  if(minor LESS 10)
    set(minor "0${minor}")
  endif()
  set(${out} "${major}.${minor}" PARENT_SCOPE)
endfunction()

# velmora_four_part_version(OUT VERSION SEPARATOR): "1.0.0" with "," -> "1,0,0,0".
function(velmora_four_part_version out version separator)
  string(REPLACE "." ";" given "${version}")
  # Plain numbers: a resource compiler reads a leading 0 as octal.
  set(parts "")
  foreach(part IN LISTS given)
    math(EXPR part "${part}")
    list(APPEND parts ${part})
  endforeach()
  list(LENGTH parts count)
  while(count LESS 4)
    list(APPEND parts 0)
    math(EXPR count "${count} + 1")
  endwhile()
  list(JOIN parts "${separator}" joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

# velmora_version_record(TARGET [NAME name] DESCRIPTION text [MANIFEST]): the program's Windows
# version record and icon, TARGET.rc from ui/resources/velmora.rc.in, NAME (by default the
# target's name) as its internal and original file name, with MANIFEST the window's application
# manifest. The version is the caller's VELMORA_DISPLAY_VERSION and VELMORA_VERSION_COMMAS,
# project(VERSION)'s. Configured everywhere, for the test of its forms; compiled into the program
# on Windows only. The record goes on the executable itself: a static library's resources would
# be dropped by the linker.
function(velmora_version_record target)
  cmake_parse_arguments(ARG "MANIFEST" "NAME;DESCRIPTION" "" ${ARGN})
  set(VELMORA_RC_NAME ${target})
  if(ARG_NAME)
    set(VELMORA_RC_NAME ${ARG_NAME})
  endif()
  set(VELMORA_RC_DESCRIPTION ${ARG_DESCRIPTION})
  set(resources ${PROJECT_SOURCE_DIR}/ui/resources)
  set(depends ${resources}/velmora.ico)
  set(VELMORA_RC_MANIFEST "")
  if(ARG_MANIFEST)
    set(VELMORA_RC_MANIFEST "1 24 \"velmora.manifest\"")
    list(APPEND depends ${resources}/velmora.manifest)
  endif()
  # The configured record finds the icon and the manifest beside its template.
  set(record ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${resources}/velmora.rc.in ${record} @ONLY)
  if(NOT WIN32)
    return()
  endif()
  target_sources(${target} PRIVATE ${record})
  set_source_files_properties(${record} PROPERTIES
    INCLUDE_DIRECTORIES ${resources} OBJECT_DEPENDS "${depends}")
endfunction()
