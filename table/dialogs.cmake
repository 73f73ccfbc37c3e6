# The display options dialog: its settings (QtCore only) and the dialog.
add_library(optolune_optaff STATIC
  displayoptions.cpp displayoptions.h)
target_link_libraries(optolune_optaff PUBLIC optolune_core optolune_settings)
optolune_warnings(optolune_optaff)

add_library(optolune_optaff_ui STATIC
  OptAff.cpp OptAff.h)
target_link_libraries(optolune_optaff_ui PUBLIC optolune_optaff optolune_core_ui optolune_settings)
optolune_warnings(optolune_optaff_ui)

# The print options dialog: its settings (QtCore only) and the dialog.
add_library(optolune_optimpr STATIC
  printoptions.cpp printoptions.h)
target_link_libraries(optolune_optimpr PUBLIC optolune_core optolune_settings)
optolune_warnings(optolune_optimpr)

add_library(optolune_optimpr_ui STATIC
  OptImpr.cpp OptImpr.h)
target_link_libraries(optolune_optimpr_ui PUBLIC optolune_optimpr optolune_core_ui optolune_settings)
optolune_warnings(optolune_optimpr_ui)
