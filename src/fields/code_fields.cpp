#include "fields/code_fields.h"

#include "services/prompt.h"

#include <algorithm>

namespace fields {

namespace {

const char kCaption[] = "Invalid Character Entered";

bool refuse(const char* message)
{
    promptui::MessageBox(QString::fromLatin1(message), QString::fromLatin1(kCaption),
                         promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
    return false;
}

} // namespace

bool isCodeCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

bool checkCode(QStringView code)
{
    if (std::all_of(code.begin(), code.end(), isCodeCharacter))
        return true;
    return refuse("Please enter characters from 0-9 or A-Z");
}

bool checkTypedCodeCharacter(QStringView text)
{
    if (text.isEmpty() || isCodeCharacter(text.back()))
        return true;
    return refuse("Please enter a character from 0-9 or A-Z");
}

bool checkTenCharacterCode(QStringView code)
{
    if (!checkCode(code))
        return false;
    if (code.isEmpty() || code.size() == kTenCharacterCodeLength)
        return true;
    return refuse("Please enter 10 characters from 0-9 or A-Z");
}

QString storedTenCharacterCode(const QString& code)
{
    return code.isEmpty() ? QString(kTenCharacterCodeLength, u'0') : code;
}

} // namespace fields
