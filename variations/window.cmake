# The variations window and its focus-spread dialog.
add_library(optolune_variations_ui STATIC
  variationswindow.cpp variationswindow_commands.cpp variationswindow_tools.cpp variationswindow.h
  variationslistbox.cpp variationslistbox.h
  focusspreaddialog.cpp focusspreaddialog.h
  focusstackwindow.cpp focusstackwindow.h)
target_link_libraries(optolune_variations_ui PUBLIC
  optolune_variations optolune_lists_ui optolune_explanations_ui optolune_tilt_ui optolune_print_ui optolune_core_ui)
optolune_warnings(optolune_variations_ui)
