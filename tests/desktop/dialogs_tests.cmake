# Qt Test cases of the dialogs, run headless. Included from tests/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(dialogs_test ${CMAKE_CURRENT_LIST_DIR}/dialogs_test.cpp)
set_target_properties(dialogs_test PROPERTIES AUTOMOC ON)
target_link_libraries(dialogs_test PRIVATE tessolar_desktop Qt6::Test)
add_test(NAME dialogs_test COMMAND dialogs_test)
set_tests_properties(dialogs_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 60)
