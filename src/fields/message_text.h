// Texts that a reader shows on its display: letters, digits, blanks and "-".
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace fields {

// Refuses the first character the display cannot show, naming the field
// ("Idle", "Busy") and the character in a message titled "Reader Manager".
// The page puts the focus back on the field when this returns false.
bool checkMessageText(QStringView text, const QString& fieldName);

// The same rule without the box: the message checkMessageText would show,
// or nullopt when the text is fine.
std::optional<QString> messageTextError(QStringView text, const QString& fieldName);

} // namespace fields
