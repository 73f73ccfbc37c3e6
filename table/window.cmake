# The table window: the grid model over the table and the window itself.
add_library(optolune_table_ui STATIC
  tablegridmodel.cpp tablegridmodel.h
  calculprof.cpp calculprof_commands.cpp calculprof_export.cpp calculprof_print.cpp calculprof_children.cpp calculprof.h
  graphique.cpp graphique.h)
target_link_libraries(optolune_table_ui PUBLIC
  optolune_table optolune_lists_ui optolune_optaff_ui optolune_affiche_ui
  optolune_tableprint_ui optolune_circle_ui optolune_lens_ui
  optolune_core_ui Qt6::Charts)
optolune_warnings(optolune_table_ui)
