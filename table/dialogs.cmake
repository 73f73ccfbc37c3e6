# The display options dialog: its settings (QtCore only) and the dialog.
add_library(optolune_optaff STATIC
  displayoptions.cpp displayoptions.h)
target_link_libraries(optolune_optaff PUBLIC optolune_core optolune_settings)
optolune_warnings(optolune_optaff)

add_library(optolune_optaff_ui STATIC
  OptAff.cpp OptAff.h)
target_link_libraries(optolune_optaff_ui PUBLIC optolune_optaff optolune_core_ui optolune_settings)
optolune_warnings(optolune_optaff_ui)
