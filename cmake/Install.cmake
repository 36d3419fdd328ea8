# Installation: `cmake --install build` (prefix /usr/local), or `--prefix ~/.local` for one user.
#
#   <prefix>/lib/pictorelle/pictorelle          the program
#   <prefix>/lib/pictorelle/language/*.ini      the language files, found beside the program
#   <prefix>/lib/pictorelle/language/*.qm       the translations of our own texts, beside them
#   <prefix>/lib/pictorelle/help/               the help pages, found beside the program
#   <prefix>/bin/pictorelle                     relative symbolic link to ../lib/pictorelle/pictorelle
#   <prefix>/share/applications/<id>.desktop    the menu entry, its Exec the program's absolute path
#   <prefix>/share/metainfo/<id>.metainfo.xml   the software-centre description
#   <prefix>/share/icons/hicolor/*/apps/<id>.*  the icon, 16 to 256 pixels and scalable
#   <prefix>/share/man/man1/pictorelle.1.gz     the manual page, made from --help (InstallDocs.cmake)
#   <prefix>/share/doc/pictorelle/              copyright and changelog.gz, as Debian wants them
#
# The program finds language/ and help/ from its own real path, so the link on the PATH works,
# and the build tree (build/pictorelle beside language/ and help/ of the source tree) works too.

set(PICTORELLE_APP_ID org.example.Pictorelle)
set(PICTORELLE_INSTALL_DIR lib/pictorelle CACHE STRING
    "Folder below the prefix that holds the program with its language and help folders")

install(TARGETS pictorelle RUNTIME DESTINATION ${PICTORELLE_INSTALL_DIR})
# A stripping install (cmake --install --strip, and the Debian package) also drops the compiler's
# notes, as Debian strips programs.
if(CMAKE_STRIP)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PICTORELLE_INSTALL_DIR}/pictorelle\")
    endif()
  ")
endif()
install(DIRECTORY language/ DESTINATION ${PICTORELLE_INSTALL_DIR}/language
        FILES_MATCHING PATTERN "*.ini")
install(FILES ${PICTORELLE_QM_FILES} DESTINATION ${PICTORELLE_INSTALL_DIR}/language)
install(DIRECTORY help/ DESTINATION ${PICTORELLE_INSTALL_DIR}/help)

# bin/pictorelle: a relative link, so the installed tree can be moved or staged with DESTDIR.
file(RELATIVE_PATH PICTORELLE_LINK_TARGET /prefix/bin /prefix/${PICTORELLE_INSTALL_DIR}/pictorelle)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/pictorelle\")
  message(STATUS \"Installing: \${link} -> ${PICTORELLE_LINK_TARGET}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(REMOVE \"\${link}\")
  file(CREATE_LINK \"${PICTORELLE_LINK_TARGET}\" \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/bin/pictorelle\")
")

install(CODE "
  get_filename_component(prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
  set(SOURCE \"${CMAKE_CURRENT_SOURCE_DIR}/data/${PICTORELLE_APP_ID}.desktop\")
  set(PROGRAM \"\${prefix}/${PICTORELLE_INSTALL_DIR}/pictorelle\")
  set(DESTINATION \"\$ENV{DESTDIR}\${prefix}/share/applications/${PICTORELLE_APP_ID}.desktop\")
  include(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${prefix}/share/applications/${PICTORELLE_APP_ID}.desktop\")
")
install(FILES data/${PICTORELLE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES data/icons/hicolor/${size}x${size}/apps/${PICTORELLE_APP_ID}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES data/icons/pictorelle.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${PICTORELLE_APP_ID}.svg)

# The manual page and the changelog are made while installing, after the program is in place.
install(FILES data/copyright DESTINATION share/doc/pictorelle)
install(CODE "
  set(PICTORELLE_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(PICTORELLE_BINARY_DIR \"${PROJECT_BINARY_DIR}\")
  set(PICTORELLE_INSTALL_DIR \"${PICTORELLE_INSTALL_DIR}\")
")
install(SCRIPT cmake/InstallDocs.cmake)

if(BUILD_TESTING)
  # The help pages name the installed language folder, which a test compares with this rule.
  target_compile_definitions(app_tests PRIVATE PICTORELLE_INSTALL_DIR="${PICTORELLE_INSTALL_DIR}")
  add_subdirectory(tests/install)
endif()
