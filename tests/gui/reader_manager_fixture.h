// A Reader Manager window over a temporary data folder and settings file,
// with the scripted prompt and progress services answering for the operator.
#pragma once

#include "main_window.h"
#include "support/card_fixture.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>

#include <memory>

class ReaderManagerTest : public CardFixture {
protected:
    QString dataFolder() const { return path("data"); }
    QString settingsFile() const { return path("settings.ini"); }

    std::unique_ptr<readermanager::MainWindow> makeWindow(const QString& folder = {})
    {
        return std::make_unique<readermanager::MainWindow>(
            folder.isEmpty() ? dataFolder() : folder,
            std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat));
    }

    static QString label(const QWidget& window, const char* name)
    {
        const auto* widget = window.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget ? widget->text() : QString();
    }
    static QString cardView(const QWidget& window, const char* name = "cardView")
    {
        const auto* view = window.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
        EXPECT_NE(view, nullptr) << name;
        return view ? view->toPlainText() : QString();
    }

    static void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
};
