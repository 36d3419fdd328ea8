# Install-time script (install(SCRIPT) in Install.cmake) for the documents that are made while
# installing: the manual page and the gzipped changelog. Install.cmake sets PICTORELLE_SOURCE_DIR,
# PICTORELLE_BINARY_DIR and PICTORELLE_INSTALL_DIR first.
#
# The manual page is made by help2man from the installed program's own --help and --version, so
# its options are always the program's; data/pictorelle.h2m adds the sections --help lacks. It is
# made here rather than at build time so that it exists after a build of the program alone (run.sh).
# Both files are gzipped with -9n, as Debian wants them: no name or time stamp in the header.

# Looked for now, not when configuring, so that installing help2man later is enough.
find_program(PICTORELLE_HELP2MAN help2man)
find_program(PICTORELLE_GZIP gzip)
if(NOT PICTORELLE_HELP2MAN OR NOT PICTORELLE_GZIP)
  message(FATAL_ERROR "help2man and gzip are needed to make the manual page: run tools/install-deps.sh")
endif()
# A folder of its own for each install, so that two installs from one build tree cannot meet.
string(RANDOM LENGTH 12 token)
set(work "${PICTORELLE_BINARY_DIR}/install-docs-${token}")
file(MAKE_DIRECTORY "${work}")

function(pictorelle_gzip file)
  execute_process(COMMAND "${PICTORELLE_GZIP}" -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE_RECURSE "${work}")
    message(FATAL_ERROR "gzip ${file} failed: ${status}")
  endif()
endfunction()

# The manual page, from the program just installed. help2man runs it through the shell unquoted,
# so it is given a link without spaces in its path. A sanitizer build's program reports leaks at
# exit unless told not to; the C locale keeps the text English.
file(CREATE_LINK "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${PICTORELLE_INSTALL_DIR}/pictorelle"
     "${work}/pictorelle" SYMBOLIC)
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env ASAN_OPTIONS=detect_leaks=0 LC_ALL=C LANGUAGE=
          "${PICTORELLE_HELP2MAN}" --no-info --locale=C --section=1
          "--name=turn a photo into a 24-bit PNG picture"
          "--include=${PICTORELLE_SOURCE_DIR}/data/pictorelle.h2m"
          --output=pictorelle.1 ./pictorelle
  WORKING_DIRECTORY "${work}"
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  file(REMOVE_RECURSE "${work}")
  message(FATAL_ERROR "help2man could not make the manual page (${status}): ${errors}")
endif()
file(READ "${work}/pictorelle.1" page)
string(REPLACE "@PREFIX@" "${CMAKE_INSTALL_PREFIX}" page "${page}")
string(REPLACE "@INSTALL_DIR@" "${PICTORELLE_INSTALL_DIR}" page "${page}")
# help2man starts a hanging paragraph at a command's continued line (a line ending in a backslash,
# then an indented one); a line break keeps the continued command in its example block.
string(REGEX REPLACE "(\\\\e\n)\\.HP\n" "\\1.br\n" page "${page}")
file(WRITE "${work}/pictorelle.1" "${page}")
pictorelle_gzip("${work}/pictorelle.1")

# The changelog, in Debian's format.
file(COPY_FILE "${PICTORELLE_SOURCE_DIR}/data/changelog" "${work}/changelog")
pictorelle_gzip("${work}/changelog")

# file(INSTALL) as install(FILES) does it: DESTDIR, permissions, the manifest.
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/man/man1" TYPE FILE FILES "${work}/pictorelle.1.gz")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/doc/pictorelle" TYPE FILE FILES "${work}/changelog.gz")
file(REMOVE_RECURSE "${work}")
