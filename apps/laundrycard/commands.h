// The laundrycard command groups; each takes its arguments after the group
// word ("card new PATH ...") and returns the exit status.
#pragma once

#include <QStringList>

namespace cli {

int runCardCommand(const QStringList& args);
int runSetupCommand(const QStringList& args);
int runDbCommand(const QStringList& args);
int runProfileCommand(const QStringList& args);
int runDcCommand(const QStringList& args);
int runHolderCommand(const QStringList& args);
int runSpecialsCommand(const QStringList& args);
int runReportCommand(const QStringList& args);
// Whether the command line asks for a PDF report (which needs fonts).
bool reportNeedsFonts(const QStringList& args);
int cardDescribe(const QStringList& args);
// dc store and dc view, in files of their own.
int dcStore(const QStringList& args);
int dcView(const QStringList& args);

} // namespace cli
