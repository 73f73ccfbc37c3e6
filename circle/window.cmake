# The circle-of-confusion window, its grid model and the opener the table
# window calls.
add_library(optolune_circle_ui STATIC
  formatgridmodel.cpp formatgridmodel.h
  circlewindow.cpp circlewindow_commands.cpp circlewindow.h
  circlewindowopener.cpp circlewindowopener.h)
target_link_libraries(optolune_circle_ui PUBLIC optolune_circle optolune_screenprint optolune_core_ui)
optolune_warnings(optolune_circle_ui)
