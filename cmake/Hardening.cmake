# Debian's hardening flags (fortified C library calls, stack protector, read-only relocations bound
# at start-up, position-independent executable) for an optimised build and so for the package: the
# program opens files from anywhere. Taken from dpkg-buildflags with every hardening feature on, so
# they follow Debian's own choice; the optimisation and debugging flags stay the build type's.
# Not for Debug (the fortified calls need optimisation) nor the sanitizer and fuzzing builds.
if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
   OR PICTORELLE_SANITIZE OR PICTORELLE_TSAN OR PICTORELLE_FUZZ)
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags not found (package dpkg-dev): building without Debian's hardening flags")
  return()
endif()

function(pictorelle_buildflags variable out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${DPKG_BUILDFLAGS} --get ${variable}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

pictorelle_buildflags(CPPFLAGS preprocessor)
pictorelle_buildflags(CXXFLAGS compiler)
pictorelle_buildflags(LDFLAGS linker)
list(FILTER compiler EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
add_compile_options(${preprocessor} ${compiler})
add_link_options(${linker})
# Position-independent code needs no flag: Debian's compiler makes PIE executables by default, and
# Qt's targets ask for it anyway.
