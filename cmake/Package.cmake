# The Debian package, made by CPack's DEB generator from this build tree:
#
#   cmake --build build --target deb      ->  build/deb/pictorelle_<version>_<arch>.deb
#
# CPack installs the built program with the rules of Install.cmake (prefix /usr), strips it, and
# lets dpkg-shlibdeps compute Depends from the libraries it links, so nothing is built twice and
# no list of dependencies is kept by hand. Qt's platform and image-format plugins and libvips'
# loader modules, which are opened at run time, come with the libqt6gui6 and libvips42 packages
# that Depends names. The desktop entry, icons and manual page are registered by the triggers of
# desktop-file-utils, the icon theme and man-db, so the package needs no maintainer scripts.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictorelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pictorelle developers")
set(CPACK_PACKAGE_CONTACT "The Pictorelle developers <dev@pictorelle.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a photo into a 24-bit PNG picture")
# The install rules see the real prefix (/usr, whatever the build's own prefix) and a staging
# DESTDIR, as with any staged install, so the manual page names the real paths.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pictorelle.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The one program it starts, which no library dependency brings: the desktop's opener, for the
# help pages and the home page.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pictorelle turns one photo into one 24-bit PNG picture at the size you
choose. It opens JPEG, PNG, GIF, TIFF, WebP, HEIF and AVIF, JPEG XL,
JPEG 2000, BMP and ICO files and camera RAW photos, picks a frame of an
animation or a page of a document, resizes with a calculator that keeps
the aspect ratio, rotates and flips, and draws a line of text.

It is a Qt desktop program built on libvips, with a command line
(pictorelle --convert) that converts many photos at once without a
display. An existing file is replaced only once the new picture is
completely written.")

include(CPack)

# One command for the package. A sanitizer or fuzzing build is no program to hand to users.
if(PICTORELLE_SANITIZE OR PICTORELLE_FUZZ)
  add_custom_target(deb
    COMMAND ${CMAKE_COMMAND} -E echo "This is a sanitizer or fuzzing build: package a normal build (build/)."
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
else()
  add_custom_target(deb
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
            -B ${PROJECT_BINARY_DIR}/deb
    COMMENT "Making the Debian package in ${PROJECT_BINARY_DIR}/deb"
    VERBATIM)
  add_dependencies(deb pictorelle)
endif()
