# The circle-of-confusion window, its grid model and the opener the table
# window calls.
add_library(optolune_circle_ui STATIC
  formatgridmodel.cpp formatgridmodel.h
  cercle.cpp cercle_commands.cpp cercle.h
  cercleopener.cpp cercleopener.h)
target_link_libraries(optolune_circle_ui PUBLIC optolune_circle optolune_core_ui)
optolune_warnings(optolune_circle_ui)
