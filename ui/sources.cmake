# The window, assembled in ui/MainWindow: its widgets (widgets/, look/), the binding to the model
# (binding/), the figure features (figures/), the accessibility (accessibility/) and the desktop
# services.
find_package(Qt6 REQUIRED COMPONENTS Svg PrintSupport)
file(GLOB_RECURSE platomer_ui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_library(platomer_ui STATIC ${platomer_ui_sources} ${CMAKE_CURRENT_SOURCE_DIR}/app/QtPlatform.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/app/RememberedYear.cpp)
target_link_libraries(platomer_ui PUBLIC platomer_explain Qt6::Widgets Qt6::Svg Qt6::PrintSupport)
set_target_properties(platomer_ui PROPERTIES AUTOMOC ON)
# The window's icon is the launcher's picture, compiled in.
qt_add_resources(platomer_ui platomer_icon PREFIX /icons BASE ${CMAKE_CURRENT_SOURCE_DIR}/packaging
                 FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/platomer.svg)
