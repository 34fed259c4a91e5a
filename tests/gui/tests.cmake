# The real window driven by QTest mouse and key events, offscreen, with recorded desktop services.
file(GLOB gui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(gui_tests ${gui_sources})
target_link_libraries(gui_tests PRIVATE platomer_ui Qt6::Test GTest::gtest)
set_target_properties(gui_tests PROPERTIES AUTOMOC ON)
add_test(NAME gui_tests COMMAND gui_tests)
# The long tests start first, so that ctest -j ends with the short ones side by side.
set_tests_properties(gui_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" COST 100)
