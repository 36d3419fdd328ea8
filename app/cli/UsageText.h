#pragma once
#include <QString>

// What "pictorelle --help" prints.
QString HelpText();

// What "pictorelle --version" prints.
QString VersionText();
