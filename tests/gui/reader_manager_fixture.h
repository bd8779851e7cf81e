// A Reader Manager window over a temporary data folder and settings file,
// with the scripted prompt and progress services answering for the operator.
#pragma once

#include "main_window.h"
#include "support/card_fixture.h"
#include "support/test_files.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>

#include <memory>
#include <optional>

class ReaderManagerTest : public CardFixture {
protected:
    QString dataFolder() const { return path("data"); }
    QString settingsFile() const { return path("data/reader-manager.ini"); }

    std::unique_ptr<readermanager::MainWindow> makeWindow(const QString& folder = {})
    {
        return std::make_unique<readermanager::MainWindow>(folder.isEmpty() ? dataFolder()
                                                                            : folder);
    }

    // The text of a named label or view; a missing one shows as "<missing>".
    static QString shown(const QWidget& window, const char* name)
    {
        if (const auto* label = window.findChild<QLabel*>(name))
            return label->text();
        const auto* view = window.findChild<QPlainTextEdit*>(name);
        return view ? view->toPlainText() : QStringLiteral("<missing>");
    }

    // The one box shown: its caption, its text or the start of it and, if
    // given, its icon; forgotten after.
    void expectBox(const QString& text, const QString& caption, bool whole = false,
                   std::optional<unsigned> icon = {})
    {
        ASSERT_EQ(script().messages().size(), 1u)
            << script().messageTexts().join(" | ").toStdString();
        const ui::RecordedMessage& m = script().messages()[0];
        EXPECT_TRUE(whole ? m.text == text : m.text.startsWith(text)) << m.text.toStdString();
        EXPECT_EQ(m.caption, caption);
        EXPECT_EQ(m.icon, icon.value_or(m.icon));
        script().clear();
    }
    // The same for Reader Manager's own error or success box.
    void expectOnly(const QString& text, bool whole = true, unsigned icon = promptui::MB_ICONERROR)
    {
        expectBox(text,
                  icon == promptui::MB_ICONERROR ? "ERROR: Reader Manager"
                                                 : "SUCCESS: Reader Manager",
                  whole, icon);
    }
};
