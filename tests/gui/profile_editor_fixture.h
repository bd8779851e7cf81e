// The profile editor over a fresh manager.mdb in a temporary folder: rows
// are stored straight through a recordset, the editor is driven by a dialog
// runner that hands it to the test, and the scripted prompt service answers
// for the operator.
#pragma once

#include "card/virtual_reader.h"
#include "laundry/laundry.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/profile_editor_dialog.h"
#include "profiles/profile_selection.h"
#include "services/dao.h"
#include "services/dialog_runner.h"
#include "services/system_database.h"
#include "small_screen.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace profiletest {

using Editor = profiles::ProfileEditorDialog;
using Columns = QMap<QString, QVariant>;

// Stores one LAUNDRY SETUP row with common values as a new profile has them;
// `columns` adds or replaces any column.
inline void storeProfile(const QString& databasePath, const QString& name, int code,
                         const Columns& columns = {})
{
    Columns row = {{"PROFILE NAME", name},
                   {"PROFILE TYPE", QString::number(code)},
                   {"VEND PRICE", Currency::fromDollars(1).toVariant()},
                   {"TOPOFF PRICE", Currency().toVariant()},
                   {"MAX CARD VALUE", Currency::fromDollars(100).toVariant()},
                   {"ENABLE TOKENS", false},
                   {"CLEAR COUNT", true},
                   {"LOCATION", true},
                   {"LOCATION CLUSTERING", false},
                   {"USER TRANSACTION COL", false}};
    row.insert(columns);
    CdbDBEngine engine;
    CdbDatabase database = engine.OpenDatabase(databasePath);
    CdbRecordset table = database.OpenRecordset(QStringLiteral("LAUNDRY SETUP"));
    table.AddNew();
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        table.SetField(it.key(), it.value());
    table.Update();
    table.Close();
    database.Close();
}

class ProfileEditorTest : public ::testing::Test {
protected:
    ProfileEditorTest()
    {
        card::resetCardStack(); // tokens on, an empty reader
        set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
        path_ = dir_.filePath(QStringLiteral("manager.mdb"));
        QString error;
        EXPECT_TRUE(dbhelper::createDatabase(path_, &error)) << error.toStdString();
        systemdb::setDatabasePath(path_);
    }
    ~ProfileEditorTest() override
    {
        promptui::setDialogRunner({});
        systemdb::setDatabasePath({});
        card::resetCardStack();
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    const QString& databasePath() const { return path_; }
    ui::ScriptedUi& script() { return ui_.ui(); }
    void addProfile(const QString& name, int code, const Columns& columns = {})
    {
        storeProfile(path_, name, code, columns);
    }

    // Every stored profile name, in name order.
    QStringList storedNames() const
    {
        CdbDBEngine engine;
        CdbDatabase database = engine.OpenDatabase(path_);
        CdbRecordset rows = database.OpenRecordset(
            QStringLiteral("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME]"));
        QStringList names;
        if (rows.GetRecordCount() > 0)
            for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext())
                names << rows.GetField(QStringLiteral("PROFILE NAME")).toString();
        database.Close();
        return names;
    }

    QVariant storedField(const QString& name, const QString& column) const
    {
        CdbDBEngine engine;
        CdbDatabase database = engine.OpenDatabase(path_);
        CdbRecordset rows = database.OpenRecordset(QStringLiteral("LAUNDRY SETUP"));
        rows.FindFirst(QStringLiteral("[PROFILE NAME] = ") + dbhelper::quoteFilterText(name));
        const QVariant value = rows.GetNoMatch() ? QVariant() : rows.GetField(column);
        database.Close();
        return value;
    }

    // The next editor that opens is shown and handed to `drive`; one that is
    // still open afterwards is closed as the window's close box would.
    void whenEditorOpens(std::function<void(Editor&)> drive)
    {
        promptui::setDialogRunner([drive](QDialog& dialog) {
            dialog.show();
            EXPECT_TRUE(fitsSmallScreen(dialog));
            drive(dynamic_cast<Editor&>(dialog));
            if (dialog.isVisible())
                dialog.reject();
            return dialog.result();
        });
    }

    template <class W> static W& child(const QWidget& editor, const char* name)
    {
        if (W* widget = editor.findChild<W*>(QString::fromLatin1(name)))
            return *widget;
        throw std::runtime_error(std::string("no control ") + name);
    }
    static QLineEdit& edit(const Editor& e, const char* name) { return child<QLineEdit>(e, name); }
    static QTreeWidget& list(const Editor& e) { return child<QTreeWidget>(e, "profileList"); }
    static void trigger(const Editor& e, const char* a) { child<QAction>(e, a).trigger(); }
    static void click(const Editor& e, const char* b) { child<QPushButton>(e, b).click(); }
    static void pickRow(const Editor& e, int r) { list(e).setCurrentItem(list(e).topLevelItem(r)); }
    // The names the list shows, top to bottom.
    static QStringList listed(const Editor& editor)
    {
        QStringList names;
        for (int row = 0; row < list(editor).topLevelItemCount(); ++row)
            names << list(editor).topLevelItem(row)->text(0);
        return names;
    }
    // Types into an edit as the operator would: its limits apply.
    static void type(QLineEdit& field, const QString& text)
    {
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClicks(&field, text);
    }
    static void leave(QWidget& field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&field, &out);
    }

private:
    QTemporaryDir dir_;
    QString path_;
    uitest::CheckedScriptedUi ui_;
};

} // namespace profiletest
