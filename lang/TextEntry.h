#pragma once
#include <QString>

// One text of a language: a resource identifier and its text (possibly empty).
struct TextEntry {
    int nID;
    QString strText;
};
