// Machine and location codes: digits and capital letters only.
//
// Each check shows its own message and returns false when the page must put
// the focus back on the field (and, for a ten-character code, keep it marked
// invalid until corrected).
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace fields {

inline constexpr int kTenCharacterCodeLength = 10;

bool isCodeCharacter(QChar c);

// A field checked as a whole: every character from 0-9 or A-Z.
bool checkCode(QStringView code);

// A field checked as it is typed: the last character typed.
bool checkTypedCodeCharacter(QStringView text);

// A ten-character code: the characters, then exactly ten of them; an empty
// code passes (it is stored as storedTenCharacterCode gives).
bool checkTenCharacterCode(QStringView code);

// What a ten-character code field stores: "0000000000" for an empty code.
QString storedTenCharacterCode(const QString& code);

} // namespace fields
