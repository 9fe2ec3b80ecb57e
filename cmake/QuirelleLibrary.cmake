# quirelle_library(NAME [QT] DEPS dep...)
# One static library per source folder, made of every .cpp in that folder (not below it).
# Include paths are relative to the repository root: #include "platform/Canvas.h".
function(quirelle_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    message(FATAL_ERROR "${name}: no .cpp in ${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
endfunction()

# quirelle_test(NAME SOURCE_DIR [QT] DEPS dep...)
# One GoogleTest program per test folder; every TEST becomes a CTest test.
function(quirelle_test name)
  cmake_parse_arguments(ARG "QT" "" "DEPS;ENV" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(ARG_QT)
    # Qt test programs share one QApplication for all their tests, and answer message boxes
    # through the event loop.
    list(APPEND sources ${PROJECT_SOURCE_DIR}/tests/support/QtTestApplication.cpp
                        ${PROJECT_SOURCE_DIR}/tests/support/MessageBoxAnswers.cpp)
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE quirelle_platform_qt Qt6::Widgets Qt6::Test)
  endif()
  target_compile_definitions(${name} PRIVATE
    QUIRELLE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUIRELLE_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENV}")
endfunction()

# quirelle_bench(NAME SOURCE DEPS dep...): one Google Benchmark program.
function(quirelle_bench name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
