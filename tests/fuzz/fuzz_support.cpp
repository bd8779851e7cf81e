#include "fuzz_support.h"

#include "laundry/laundry.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

ui::ScriptedUi& silentUi()
{
    // Never destroyed: the library may still show a message while statics go.
    static ui::ScopedScriptedUi* scoped = [] {
        auto* installed = new ui::ScopedScriptedUi;
        set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
        return installed;
    }();
    return scoped->ui();
}

void endInput()
{
    ui::ScriptedUi& ui = silentUi();
    if (!ui.progressBalanced())
        fail("a progress window was left open");
    ui.clear();
}

QString scratchPath(const char* name)
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/laundry-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/laundry-fuzz-XXXXXX"));
    if (!dir.isValid())
        fail("no scratch folder");
    return dir.filePath(QString::fromLatin1(name));
}

void fail(const char* what)
{
    std::fprintf(stderr, "fuzz invariant failed: %s\n", what);
    std::abort();
}

} // namespace fuzz
