# Widget tests run on Qt's offscreen platform with a fixed 800 x 600 screen unless a test says otherwise,
# and with their own XDG folders so that they never touch a user's settings or data.
set(VANTORADS_SCREEN_800 "${CMAKE_CURRENT_SOURCE_DIR}/screens/800x600.json")

function(vantor_qt_test name)
  cmake_parse_arguments(T "" "SCREEN" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_SCREEN)
    set(T_SCREEN "${VANTORADS_SCREEN_800}")
  endif()
  set(tmp "${CMAKE_CURRENT_BINARY_DIR}/${name}.home")
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${T_SCREEN};XDG_CONFIG_HOME=${tmp}/config;XDG_DATA_HOME=${tmp}/data;XDG_CACHE_HOME=${tmp}/cache;XDG_RUNTIME_DIR=${tmp}/run;VANTORADS_DRIVES=;ASAN_OPTIONS=detect_leaks=0")
endfunction()

function(vantor_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest_main ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
