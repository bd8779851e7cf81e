// How storing, duplicate marking and the holder lookup show their messages.
#pragma once

#include "services/dao.h"

#include <QString>

namespace datacollection {

// A text with "%1 : %2" filled with the engine error's number (low 16 bits)
// and description.
QString engineErrorText(const char* message, const CdbException& error);
// A message box with no icon, titled with the application's name.
void showPlain(const QString& text);
// A message box with the error icon.
void showError(const QString& text, const char* title);
void showError(const char* text, const char* title);

} // namespace datacollection
