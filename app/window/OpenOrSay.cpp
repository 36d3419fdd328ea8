#include "app/window/OpenOrSay.h"

#include <QUrl>

#include "services/Prompts.h"

bool OpenOrSay(QWidget* owner, const QUrl& url, const QString& text, const QString& caption, unsigned type)
{
    platform::Prompts& prompts = platform::CurrentPrompts();
    if (prompts.OpenUrl(url))
        return true;
    prompts.MessageBox(owner, text, caption, type);
    return false;
}
