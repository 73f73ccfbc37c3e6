# The printed table: page layout and painter (QtGui only), then the print,
# preview and PDF commands of the table window.
add_library(optolune_tableprint STATIC
  tableprint.cpp tableprint.h)
target_link_libraries(optolune_tableprint PUBLIC optolune_table Qt6::Gui)
optolune_warnings(optolune_tableprint)

add_library(optolune_tableprint_ui STATIC
  tableprinting.cpp tableprinting.h)
target_link_libraries(optolune_tableprint_ui PUBLIC
  optolune_tableprint optolune_optimpr_ui optolune_core_ui Qt6::PrintSupport)
optolune_warnings(optolune_tableprint_ui)
