// What the option page widget tests share: a control looked up by its id,
// a page shown in an active window, and its tabs saved as PNGs when
// LAUNDRY_SCREENSHOT_DIR is set.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/page_rules.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace pagetest {

template <typename T> T* at(const profiles::OptionPageWidget& page, int id)
{
    T* widget = qobject_cast<T*>(page.control(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Active, so that focus changes send focus events.
inline void showActive(QWidget& page)
{
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
}

// Column values as "NAME=value" lines, for a failure one can read.
inline std::string describe(const profiles::ColumnValues& columns)
{
    QStringList lines;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        lines << it.key() + '=' + it.value().toString();
    return lines.join('\n').toStdString();
}

// Saves each visible tab of `tabs` as <dir>/<name>_<tab>.png, the whole window shown.
inline void saveTabs(QTabWidget& tabs, const QString& name)
{
    const QByteArray dir = qgetenv("LAUNDRY_SCREENSHOT_DIR");
    for (int tab = 0; !dir.isEmpty() && tab < tabs.count(); ++tab) {
        if (!tabs.isTabVisible(tab))
            continue;
        tabs.setCurrentIndex(tab);
        tabs.window()->grab().save(
            QStringLiteral("%1/%2_%3.png").arg(QString::fromLocal8Bit(dir), name).arg(tab));
    }
    tabs.setCurrentIndex(0);
}

} // namespace pagetest
