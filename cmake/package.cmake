# The Debian package: `cmake --build build --target package` (scripts/package.sh)
# writes build/optolune_<version>_amd64.deb from the install() rules of each
# folder. Its dependencies are read from the executables by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME optolune)
set(CPACK_PACKAGE_VENDOR "Optolune")
# The maintainer field: by default the program's own contact address, the
# one "Écrivez-moi" writes to.
set(OPTOLUNE_PACKAGE_MAINTAINER "Optolune developers <${OPTOLUNE_CONTACT}>" CACHE STRING
    "Maintainer of the Debian package: a name and an e-mail address in angle brackets")
if(NOT OPTOLUNE_PACKAGE_MAINTAINER MATCHES
   "^[^<>@\n]*[^<>@\n ] <[A-Za-z0-9._+-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+>$")
  message(FATAL_ERROR
    "OPTOLUNE_PACKAGE_MAINTAINER must read \"Name <address>\": ${OPTOLUNE_PACKAGE_MAINTAINER}")
endif()
set(CPACK_PACKAGE_CONTACT "${OPTOLUNE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OPTOLUNE_PACKAGE_MAINTAINER}")
# The package carries the program's version, all four numbers (CPack would
# keep three).
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "depth-of-field calculator for medium- and large-format photography")
# Lines of at most 80 characters, as Debian's control files want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Optolune computes the near and far limits of sharpness, the hyperfocal"
  "distance, the extension and the magnification of a photographic lens for"
  "lists of f-numbers and focusing distances, with nodal points apart and"
  "unequal pupils. Tables are saved as small files and printed; a second"
  "calculator gives the circle of confusion that suits a film format enlarged"
  "to a print. French interface with a decimal comma.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to what dpkg-shlibdeps finds: Qt's GUI library only recommends its
# platform plugins, without which the program cannot open a window; Qt's French
# texts for the standard dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# /usr/share/doc/optolune: the copyright file (machine-readable) and, the
# package being native (its version has no Debian revision), changelog.gz.
find_program(OPTOLUNE_GZIP gzip REQUIRED)
string(REPLACE "\n" " " OPTOLUNE_PACKAGE_NOTICE "${OPTOLUNE_NOTICE}")
set(doc_dir ${PROJECT_BINARY_DIR}/doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${doc_dir}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${doc_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${doc_dir}/changelog.gz
  COMMAND ${OPTOLUNE_GZIP} -9n -c ${doc_dir}/changelog > ${doc_dir}/changelog.gz
  DEPENDS ${doc_dir}/changelog
  COMMENT "Changelog of the package")
add_custom_target(optolune_package_doc ALL DEPENDS ${doc_dir}/changelog.gz)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
