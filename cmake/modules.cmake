# Adds every folder below the given roots that has a CMakeLists.txt (a root's own included),
# honouring KV_ONLY. Targets may name each other across folders in any order.
function(kv_add_modules)
  foreach(root IN LISTS ARGN)
    file(GLOB_RECURSE lists RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${root}/CMakeLists.txt)
    list(SORT lists)
    foreach(list_file IN LISTS lists)
      get_filename_component(dir ${list_file} DIRECTORY)
      if(KV_ONLY AND NOT dir IN_LIST KV_ONLY)
        continue()
      endif()
      add_subdirectory(${dir})
    endforeach()
  endforeach()
endfunction()

# One GoogleTest program per test folder; every test case is its own CTest test.
function(kv_add_test_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
