#include "fields/message_text.h"

#include "services/prompt.h"

namespace fields {

namespace {

// The reader's character set is ASCII, so letters and digits are ASCII only.
bool isDisplayable(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u' ' || c == u'-';
}

} // namespace

std::optional<QString> messageTextError(QStringView text, const QString& fieldName)
{
    for (QChar c : text)
        if (!isDisplayable(c))
            return QStringLiteral("The %1 message entered has an illegal character (%2). Please "
                                  "change message.")
                .arg(fieldName, QString(c));
    return std::nullopt;
}

bool checkMessageText(QStringView text, const QString& fieldName)
{
    const std::optional<QString> error = messageTextError(text, fieldName);
    if (error)
        promptui::MessageBox(*error, QStringLiteral("Reader Manager"),
                             promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
    return !error;
}

} // namespace fields
