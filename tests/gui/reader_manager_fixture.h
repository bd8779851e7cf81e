// A Reader Manager window over a temporary data folder and settings file,
// with the scripted prompt and progress services answering for the operator.
#pragma once

#include "card/card_image_file.h"
#include "card/virtual_reader.h"
#include "laundry/laundry.h"
#include "main_window.h"
#include "platform/ui/checked_scripted_ui.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class ReaderManagerTest : public ::testing::Test {
protected:
    ReaderManagerTest()
    {
        card::resetCardStack();
        set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    }
    ~ReaderManagerTest() override { card::resetCardStack(); }

    QString path(const QString& name) const { return dir_.filePath(name); }
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
    static QString cardView(const QWidget& window)
    {
        const auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("cardView"));
        EXPECT_NE(view, nullptr);
        return view ? view->toPlainText() : QString();
    }

    // The first image of a card file as it is on disk now.
    static card::CardState onDisk(const QString& file)
    {
        std::vector<card::CardState> images;
        EXPECT_EQ(card::loadCardImageFile(file, &images), QString());
        return images.empty() ? card::CardState{} : images.front();
    }

    static void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    ui::ScriptedUi& script() { return ui_.ui(); }

private:
    QTemporaryDir dir_;
    uitest::CheckedScriptedUi ui_;
};
