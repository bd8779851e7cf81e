// The prompt service: every message box the operator sees goes through here,
// so the host's choice (Qt, console or a test script) decides how it shows.
#pragma once

#include <QString>

namespace promptui {

// Button sets, icons and results with the values of the Win32 message box,
// which the host and the texts of this system are written against.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_BUTTONMASK = 0xF,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON2 = 0x100,
};
inline constexpr unsigned MB_ICONSTOP = MB_ICONERROR;
inline constexpr unsigned MB_ICONHAND = MB_ICONERROR;
inline constexpr unsigned MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr unsigned MB_ICONASTERISK = MB_ICONINFORMATION;

enum MessageBoxResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

class PromptService {
public:
    virtual ~PromptService() = default;
    virtual int messageBox(const QString& text, const QString& caption, unsigned flags) = 0;
};

// Shows a message box through the installed prompt service.
int MessageBox(const QString& text, const QString& caption, unsigned flags);

// The installed service; the module state of the exports sets it.
PromptService& promptService();
void setPromptService(PromptService* service);

} // namespace promptui
