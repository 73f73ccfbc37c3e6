# The explanation window: its texts (QtCore only) and the window.
add_library(optolune_affiche STATIC
  affichetexts.cpp affichetexts.h)
target_link_libraries(optolune_affiche PUBLIC optolune_core optolune_lists)
optolune_warnings(optolune_affiche)

add_library(optolune_affiche_ui STATIC
  affiche.cpp affiche.h)
target_link_libraries(optolune_affiche_ui PUBLIC optolune_affiche optolune_core_ui)
optolune_warnings(optolune_affiche_ui)
