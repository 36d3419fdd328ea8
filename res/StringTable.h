#pragma once
#include <QString>

// The built-in (English) text of a string identifier; empty when the table has none.
QString LoadResourceString(int id);
