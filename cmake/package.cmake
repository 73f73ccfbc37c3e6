# The Debian package: `cmake --build build --target package` (scripts/package.sh)
# writes build/optolune_<version>_amd64.deb from the install() rules of each
# folder. Its dependencies are read from the executables by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME optolune)
set(CPACK_PACKAGE_VENDOR "Optolune")
set(CPACK_PACKAGE_CONTACT "Optolune <maintainers@users.noreply.c-seed-39a2cb35.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "depth-of-field calculator for medium- and large-format photography")
set(CPACK_PACKAGE_DESCRIPTION
  "Optolune computes the near and far limits of sharpness, the hyperfocal distance, \
the extension and the magnification of a photographic lens for lists of f-numbers \
and focusing distances, with nodal points apart and unequal pupils. Tables are saved \
as small files and printed; a second calculator gives the circle of confusion that \
suits a film format enlarged to a print. French interface with a decimal comma.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
include(CPack)
