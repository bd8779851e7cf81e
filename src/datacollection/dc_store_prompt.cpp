#include "datacollection/dc_store_prompt.h"

#include "datacollection/dc_store_messages.h"
#include "services/prompt.h"

namespace datacollection {

QString engineErrorText(const char* message, const CdbException& error)
{
    // Both at once, so a "%" in the description is left as it is.
    return QString::fromLatin1(message).arg(QString::number(error.errorNumber()),
                                            error.description());
}

void showPlain(const QString& text)
{
    promptui::MessageBox(text, QString::fromLatin1(text::kTitleReaderManager), promptui::MB_OK);
}

void showError(const QString& text, const char* title)
{
    promptui::MessageBox(text, QString::fromLatin1(title),
                         promptui::MB_OK | promptui::MB_ICONERROR);
}

void showError(const char* text, const char* title)
{
    showError(QString::fromLatin1(text), title);
}

} // namespace datacollection
