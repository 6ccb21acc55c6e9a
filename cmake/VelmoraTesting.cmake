# One helper registers every test. Window tests run on Qt's offscreen platform, once in the C
# locale and once in a Japanese session's (ja_JP.UTF-8, made by the test run itself in the build
# folder, so that no system locale is needed or changed).
find_package(GTest REQUIRED)
include(GoogleTest)

set(VELMORA_LOCALE_DIR ${CMAKE_BINARY_DIR}/locale)
set(VELMORA_JAPANESE_SESSION "LOCPATH=${VELMORA_LOCALE_DIR};LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8")
if(NOT TEST japanese_locale)
  add_test(NAME japanese_locale
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/japanese-locale.sh ${VELMORA_LOCALE_DIR})
  set_tests_properties(japanese_locale PROPERTIES FIXTURES_SETUP japanese_locale)
endif()

# velmora_add_test(NAME SOURCES src... LIBS lib... [QT] [DEFINITIONS def...])
#     a GoogleTest executable, or with QT a Qt Test executable on the offscreen platform
# velmora_add_test(NAME SCRIPT file.sh [ARGS arg...])   a shell test, run by bash
# velmora_add_test(NAME COMMAND program [ARGS arg...])  any other program
# Each form also takes
#   NEEDS program package ...   programs the test runs; where one is missing the test is reported
#                               as skipped, naming the Debian package that brings it
#   PROPERTIES prop value ...   further CTest properties (TIMEOUT, RUN_SERIAL, ...)
function(velmora_add_test name)
  cmake_parse_arguments(ARG "QT" "SCRIPT;COMMAND"
    "SOURCES;LIBS;DEFINITIONS;ARGS;NEEDS;PROPERTIES" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "velmora_add_test(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  set(missing "")
  set(command ${ARG_COMMAND})
  while(ARG_NEEDS)
    list(POP_FRONT ARG_NEEDS program package)
    string(MAKE_C_IDENTIFIER "VELMORA_${program}_PROGRAM" variable)
    find_program(${variable} ${program})
    if(NOT ${variable})
      list(APPEND missing "${program} (install ${package}: scripts/install-deps.sh test)")
    elseif(program STREQUAL ARG_COMMAND)
      set(command ${${variable}})
    endif()
  endwhile()

  if(missing)
    list(JOIN missing ", " missing)
    add_test(NAME ${name} COMMAND sh -c "echo 'SKIPPED: not found: ${missing}'; exit 77")
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    return()
  endif()

  if(ARG_SCRIPT)
    add_test(NAME ${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SCRIPT} ${ARG_ARGS})
  elseif(command)
    add_test(NAME ${name} COMMAND ${command} ${ARG_ARGS})
  else()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_flags)
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
    if(ARG_QT)
      set(offscreen "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts/truetype")
      add_test(NAME ${name} COMMAND ${name})
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${offscreen};LANG=C;LC_ALL=C")
      add_test(NAME ${name}_ja_JP COMMAND ${name})
      set_tests_properties(${name}_ja_JP PROPERTIES
        ENVIRONMENT "${offscreen};${VELMORA_JAPANESE_SESSION}" FIXTURES_REQUIRED japanese_locale)
      if(ARG_PROPERTIES)
        set_tests_properties(${name}_ja_JP PROPERTIES ${ARG_PROPERTIES})
      endif()
    else()
      target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
      gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
      return()
    endif()
  endif()
  if(ARG_PROPERTIES)
    set_tests_properties(${name} PROPERTIES ${ARG_PROPERTIES})
  endif()
endfunction()
