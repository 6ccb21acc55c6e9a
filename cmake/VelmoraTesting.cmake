# One helper registers every test. Window tests run on Qt's offscreen platform, once in the C
# locale and once in a Japanese session's (ja_JP.UTF-8, made by the test run itself in the build
# folder, so that no system locale is needed or changed).
if(CMAKE_CROSSCOMPILING)
  # No GoogleTest library exists for the target: it is built from the sources that Debian's
  # libgtest-dev ships, with the same compiler; its project names the targets GTest::gtest_main
  # and GTest::gmock as the installed package does.
  set(VELMORA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
  set(INSTALL_GTEST OFF)
  add_subdirectory(${VELMORA_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Qt's offscreen platform finds faces through fontconfig on Debian; on Windows it reads the one
# folder QT_QPA_FONTDIR names, here filled with links to the build machine's faces.
set(velmora_test_fonts /usr/share/fonts/truetype)
if(WIN32)
  set(velmora_test_fonts ${PROJECT_BINARY_DIR}/test-fonts)
  file(GLOB_RECURSE faces /usr/share/fonts/*.ttf /usr/share/fonts/*.ttc /usr/share/fonts/*.otf)
  file(MAKE_DIRECTORY ${velmora_test_fonts})
  foreach(face IN LISTS faces)
    get_filename_component(name ${face} NAME)
    if(NOT EXISTS ${velmora_test_fonts}/${name})
      file(CREATE_LINK ${face} ${velmora_test_fonts}/${name} SYMBOLIC)
    endif()
  endforeach()
endif()

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
#                               as skipped, naming the Debian package that brings it (with
#                               CI=true as failed)
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
    # In CI a skip would pass unseen: there every tool comes from the install lists, so a missing
    # one is a fault of those lists and fails the run.
    add_test(NAME ${name} COMMAND sh -c "echo 'SKIPPED: not found: ${missing}'
      if [ \"$CI\" = true ]; then echo 'FAIL: CI=true: the install lists lack it'; exit 1; fi
      exit 77")
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
      set(offscreen "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=${velmora_test_fonts}")
      if(WIN32)
        # Wine keeps Linux's QT_ variables from a Windows program, and hands on WINEQT_ ones as QT_.
        string(REPLACE "QT_" "WINEQT_" for_wine "${offscreen}")
        string(APPEND offscreen ";${for_wine}")
        # A static Qt links only the windows platform by itself.
        qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
      endif()
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
