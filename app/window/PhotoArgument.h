#pragma once
#include <QString>
#include <QStringList>

// The photo named on the command line (what a file manager passes for "Open With"), as an
// absolute path: the one argument after the program's name, or the one after "--" so that a name
// starting with a dash works too. Empty when there is none.
QString PhotoArgument(const QStringList& arguments);

// Every photo named so (a file manager passes a whole selection), as absolute paths.
QStringList PhotoArguments(const QStringList& arguments);
