#pragma once
#include <QString>

class QUrl;
class QWidget;

// Hands url to the desktop through the prompt seam; when nothing takes it, shows text (which
// names the address, for the user to open by hand) in a message owned by owner. True when opened.
bool OpenOrSay(QWidget* owner, const QUrl& url, const QString& text, const QString& caption, unsigned type);
