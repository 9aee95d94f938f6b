# `cpack -G DEB` in the build folder makes dravik_<version>_<arch>.deb of
# everything `cmake --install` places, for /usr. dpkg-shlibdeps finds the
# libraries it depends on (Qt, QuaZip).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dravik)
set(CPACK_PACKAGE_VENDOR "Dravik developers")
set(CPACK_PACKAGE_CONTACT "Dravik developers <developers@dravik.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electromagnetic design of distribution transformers")
set(CPACK_PACKAGE_DESCRIPTION
    "Dravik designs three-phase distribution transformers of 25 to 630 kVA:
the magnetic core with its steel and rod induction (Stage I), then the
compensating, LV and HV windings with their conductors from an extensible
wire catalogue (Stage II). A script mode runs designs without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://dravik.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
