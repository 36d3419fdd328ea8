#pragma once
#include <array>

#include <QString>

// An edit and the label that names it for a screen reader, as the label before an edit names
// it on other desktops; part tells apart edits that share one label.
struct EditLabel {
    int edit;
    int label;
    const char* part;
};

extern const std::array<EditLabel, 7> kEditLabels;

// The spoken name of an edit: its label's text without a mnemonic ampersand, then the part.
QString AccessibleNameFor(const QString& labelText, const char* part);
