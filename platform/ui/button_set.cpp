#include "ui/button_set.h"

#include "services/prompt.h"

using namespace promptui;

namespace ui {

std::vector<int> buttonResults(unsigned flags)
{
    switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

bool isQuestion(unsigned flags)
{
    return buttonResults(flags).size() > 1;
}

int defaultResult(unsigned flags)
{
    const std::vector<int> results = buttonResults(flags);
    if ((flags & MB_DEFBUTTON2) && results.size() > 1)
        return results[1];
    return results[0];
}

int safeResult(unsigned flags)
{
    const std::vector<int> results = buttonResults(flags);
    for (int preferred : {int(IDCANCEL), int(IDNO), int(IDABORT)}) {
        for (int r : results) {
            if (r == preferred)
                return r;
        }
    }
    return results[0];
}

int goAheadResult(unsigned flags)
{
    const std::vector<int> results = buttonResults(flags);
    for (int preferred : {int(IDOK), int(IDYES), int(IDIGNORE)}) {
        for (int r : results) {
            if (r == preferred)
                return r;
        }
    }
    return safeResult(flags);
}

QString resultName(int result)
{
    switch (result) {
    case IDOK:
        return QStringLiteral("OK");
    case IDCANCEL:
        return QStringLiteral("Cancel");
    case IDABORT:
        return QStringLiteral("Abort");
    case IDRETRY:
        return QStringLiteral("Retry");
    case IDIGNORE:
        return QStringLiteral("Ignore");
    case IDYES:
        return QStringLiteral("Yes");
    case IDNO:
        return QStringLiteral("No");
    default:
        return QStringLiteral("Result %1").arg(result);
    }
}

} // namespace ui
