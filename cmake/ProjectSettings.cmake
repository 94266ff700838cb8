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

# quirewell_add_test(NAME name SOURCES ... LIBS ...): a Qt Test program run by CTest.
function(quirewell_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE quirewell_settings Qt6::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  # Batches are journaled: each test keeps its journal in its own folder of the build tree.
  set(env "QT_QPA_PLATFORM=offscreen;QUIREWELL_TEST=1;XDG_STATE_HOME=${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}.state")
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
