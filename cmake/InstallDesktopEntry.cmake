# Run at install time: writes the menu entry with Exec naming the installed program by its
# absolute path, so the entry starts it whether or not <prefix>/bin is on the PATH.
# In: SOURCE (data/<id>.desktop, whose Exec is "pictorelle %F"), PROGRAM (the installed path,
# without DESTDIR), DESTINATION (the file to write, with DESTDIR).

# The desktop entry's rules, innermost first: inside a quoted argument '"', '`', '$' and '\'
# take a backslash; '%' is doubled; then the value's own escapes for '\' and line breaks.
set(arg "${PROGRAM}")
string(REPLACE "\\" "\\\\" arg "${arg}")
foreach(char "\"" "`" "$")
  string(REPLACE "${char}" "\\${char}" arg "${arg}")
endforeach()
string(REPLACE "%" "%%" arg "${arg}")
string(REPLACE "\\" "\\\\" arg "${arg}")
string(REPLACE "\n" "\\n" arg "${arg}")

file(READ "${SOURCE}" entry)
set(plain "\nExec=pictorelle %F\n")
string(FIND "${entry}" "${plain}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${SOURCE} has no line 'Exec=pictorelle %F' to point at the installed program")
endif()
string(REPLACE "${plain}" "\nExec=\"${arg}\" %F\n" entry "${entry}")
message(STATUS "Installing: ${DESTINATION}")
file(WRITE "${DESTINATION}" "${entry}")
