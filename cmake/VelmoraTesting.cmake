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

# velmora_add_test(NAME SOURCES src... LIBS lib... [QT])
function(velmora_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_flags)
  if(ARG_QT)
    set(offscreen "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts/truetype")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${offscreen};LANG=C;LC_ALL=C")
    add_test(NAME ${name}_ja_JP COMMAND ${name})
    set_tests_properties(${name}_ja_JP PROPERTIES ENVIRONMENT "${offscreen};${VELMORA_JAPANESE_SESSION}"
      FIXTURES_REQUIRED japanese_locale)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
