// The buttons a message box flag word asks for, shared by every prompt
// implementation so they agree on order, labels and unattended answers.
#pragma once

#include <QString>

#include <vector>

namespace ui {

// The results of the box's buttons, in the order they are shown.
// Button bits outside the known sets count as a plain OK box.
std::vector<int> buttonResults(unsigned flags);

// True when the box asks something (any button set other than OK alone).
bool isQuestion(unsigned flags);

// The button that is the default: the first, or the second with MB_DEFBUTTON2.
int defaultResult(unsigned flags);

// The answer that changes nothing: Cancel where there is one, else No, else
// Abort; OK for a plain box.
int safeResult(unsigned flags);

// The answer that goes ahead (the "--yes" answer): OK or Yes, Ignore past a
// failure. Retry is never picked unattended, since nobody can fix what failed
// and it would only repeat; a Retry/Cancel box goes to Cancel instead.
int goAheadResult(unsigned flags);

// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No".
QString resultName(int result);

} // namespace ui
