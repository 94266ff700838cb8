# One place for compiler settings: every target links quirewell_settings.
add_library(quirewell_settings INTERFACE)
target_compile_features(quirewell_settings INTERFACE cxx_std_20)
target_compile_options(quirewell_settings INTERFACE -Wall -Wextra -Wpedantic)
if(QUIREWELL_WERROR)
  target_compile_options(quirewell_settings INTERFACE -Werror)
endif()
target_compile_definitions(quirewell_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QUIREWELL_VERSION="${PROJECT_VERSION}")
target_include_directories(quirewell_settings INTERFACE ${PROJECT_SOURCE_DIR})
if(QUIREWELL_SANITIZE)
  target_compile_options(quirewell_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quirewell_settings INTERFACE -fsanitize=address,undefined)
endif()

# quirewell_add_test(SOURCES tst_Subject.cpp ... LIBS ...): a Qt Test program run by CTest.
# Its name comes from its layer (the first folder under tests/ below the tier folders core/ and
# desktop/) and its first source file, without "tst_": tests/desktop/shell/ribbon/tst_RibbonLayout.cpp
# is the program and the test shell_RibbonLayout.
function(quirewell_add_test)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(T_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "quirewell_add_test: unexpected ${T_UNPARSED_ARGUMENTS} "
                        "(a test takes its name from its file)")
  endif()
  quirewell_test_name(name ${T_SOURCES})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE quirewell_settings Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  # Batches are journaled: each test keeps its journal in its own folder of the build tree.
  set(env "QT_QPA_PLATFORM=offscreen;QUIREWELL_TEST=1;LANGUAGE=en;XDG_STATE_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}.state")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()

# quirewell_test_name(VAR source ...): the name quirewell_add_test gives the test whose first
# source is the one given, for the calls that add to its program.
function(quirewell_test_name var first)
  get_filename_component(subject ${first} NAME_WE)
  string(REGEX REPLACE "^tst_" "" subject ${subject})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "^(core|desktop)/" "" folder ${folder})
  string(REGEX REPLACE "/.*" "" layer ${folder})
  set(${var} ${layer}_${subject} PARENT_SCOPE)
endfunction()
