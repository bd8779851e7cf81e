// A 1366x768 screen at 150% scaling leaves 910x512 for a window: every
// dialog must be usable there (it may scroll, but not ask for more).
#pragma once

#include <QWidget>
#include <gtest/gtest.h>

inline testing::AssertionResult fitsSmallScreen(const QWidget& window)
{
    const QSize needed = window.minimumSizeHint().expandedTo(window.minimumSize());
    if (needed.width() <= 910 && needed.height() <= 512)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << window.objectName().toStdString() << " needs "
                                       << needed.width() << "x" << needed.height();
}
