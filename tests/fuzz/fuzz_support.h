// What the fuzz targets share: prompt and progress services that answer every
// question and show nothing, a scratch folder for card files, and the input
// as bytes or text.
#pragma once

#include "ui/scripted_ui.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Installs the scripted services once per process and makes the library's
// exports keep them. Questions get the answer that changes nothing.
ui::ScriptedUi& silentUi();

// Ends one input: a progress window it left open is a finding (abort), and
// what it showed is forgotten so memory stays flat over millions of runs.
void endInput();

// A path in a folder that lives as long as the process; on tmpfs when there
// is one, since card files are saved atomically on every change.
QString scratchPath(const char* name);

// Stops the run with a message when an invariant of the code under test fails.
[[noreturn]] void fail(const char* what);

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString textOf(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzz
