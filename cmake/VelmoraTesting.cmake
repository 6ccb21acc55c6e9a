# One helper registers every test. Window tests run on Qt's offscreen platform.
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

# velmora_add_test(NAME SOURCES src... LIBS lib... [QT])
function(velmora_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_flags)
  if(ARG_QT)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=${velmora_test_fonts}")
    if(WIN32)
      # A static Qt links only the windows platform by itself.
      qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
