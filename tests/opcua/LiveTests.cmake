# Read by ctest after the tests of test_opcua (and of test_opcua_windows, in its folder) are discovered: the tests
# that talk to the real server need the server fixture.
foreach(test_name IN LISTS test_opcua_TESTS test_opcua_windows_TESTS)
  if(test_name MATCHES "^OpcUaLive(Windows)?\\.")
    set_tests_properties("${test_name}" PROPERTIES FIXTURES_REQUIRED opcua_server)
  elseif(test_name MATCHES "^OpcUaSecureLive\\.")
    set_tests_properties("${test_name}" PROPERTIES FIXTURES_REQUIRED opcua_secure_server)
  endif()
endforeach()
