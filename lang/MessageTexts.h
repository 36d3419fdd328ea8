#pragma once
#include <QHash>
#include <QString>

// The message texts of the current language, copied once: threads that tell messages read the
// copy, so the language may change on the window's thread meanwhile.
class MessageTexts {
public:
    // Call on the thread that changes the language.
    static MessageTexts Current();
    // The text of message id, as CLanguage::GetString gave it when copied.
    QString Get(int id) const;

private:
    QHash<int, QString> texts_;
};
