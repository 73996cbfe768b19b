# One library target per subsystem folder. Sources are gathered from the
# folder itself (not its ui/ subfolder, which holds the Qt windows), so a new
# file needs no edit here.
function(tavo_core_library name folder)
  file(GLOB _sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  if(_sources)
    add_library(tavo_${name} STATIC ${_sources})
    target_include_directories(tavo_${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    foreach(dep IN LISTS ARGN)
      target_link_libraries(tavo_${name} PUBLIC tavo_${dep})
    endforeach()
  else()
    add_library(tavo_${name} INTERFACE)
    target_include_directories(tavo_${name} INTERFACE "${PROJECT_SOURCE_DIR}")
    foreach(dep IN LISTS ARGN)
      target_link_libraries(tavo_${name} INTERFACE tavo_${dep})
    endforeach()
  endif()
endfunction()

# One GoogleTest executable per test folder, linked with the shared fakes.
function(tavo_core_tests folder)
  file(GLOB _sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp")
  if(NOT _sources)
    return()
  endif()
  add_executable(test_${folder} ${_sources})
  target_link_libraries(test_${folder} PRIVATE tavo_${folder} tavo_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(test_${folder} DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ENVIRONMENT "TAVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
               ENVIRONMENT_MODIFICATION "TAVO_DATI_NTC=set:${TAVO_DATI_NTC_DIR}")
endfunction()

# One Qt Test program per file of tests/<folder>, linked with the windows'
# library, run offscreen. Extra arguments are further environment entries.
function(tavo_qt_tests folder library)
  if(NOT TAVO_TESTS)
    return()
  endif()
  file(GLOB _tests CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp")
  set(_ambiente "QT_QPA_PLATFORM=offscreen;TAVO_SOURCE_DIR=${PROJECT_SOURCE_DIR};TAVO_DATI_NTC=${TAVO_DATI_NTC_DIR}")
  foreach(_voce IN LISTS ARGN)
    string(APPEND _ambiente ";${_voce}")
  endforeach()
  foreach(_t IN LISTS _tests)
    get_filename_component(_nome "${_t}" NAME_WE)
    add_executable(test_${folder}_${_nome} "${_t}")
    target_link_libraries(test_${folder}_${_nome} PRIVATE ${library} tavo_test_support Qt6::Test)
    add_test(NAME ${folder}_${_nome} COMMAND test_${folder}_${_nome})
    set_tests_properties(${folder}_${_nome} PROPERTIES ENVIRONMENT "${_ambiente}")
  endforeach()
endfunction()
