// The option pages of the profile editor, one per profile type, stacked at
// the editor's placeholder so that one shows at a time.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/page_rules.h"
#include "setup/profile_types.h"

#include <array>
#include <memory>

class QStackedWidget;

namespace profiles {

class EditorPages {
public:
    // Creates every page, hidden, in the order the editor's resource creates
    // them. A page that cannot be created is reported ("Unable to Create ...")
    // and its type goes on with rules but no widget.
    explicit EditorPages(QStackedWidget* stack);
    ~EditorPages();
    EditorPages(const EditorPages&) = delete;
    EditorPages& operator=(const EditorPages&) = delete;

    // Null for an unknown code or a page that could not be created.
    OptionPageWidget* widget(int code) const;
    // Null for an unknown code (or when not even the rules could be made).
    PageRules* rules(int code) const;

    // Shows the page of `code` and hides the one shown before.
    void show(int code);
    // The type whose page shows (-1 before the first).
    int shownCode() const { return shown_; }
    // Defaults of every page except `keep` (-1 resets them all), shown.
    void resetAllExcept(int keep);
    void reset(int code);
    // Every page shows its rules' values.
    void showAllValues();
    // The page's controls into its rules (no checks).
    void readValues(int code);
    void setEditable(int code, bool editable);
    // Hands the editor's tokens flag to the page, which may change its values.
    void setTokens(int code, bool enabled);

private:
    struct Page {
        OptionPageWidget* widget = nullptr;   // owned by the stack
        std::unique_ptr<PageRules> rulesOnly; // when the widget could not be made
    };

    QStackedWidget* stack_;
    QWidget* blank_; // shown for a type without a widget
    int shown_ = -1;
    std::array<Page, setup::kProfileTypeCount> pages_;
};

} // namespace profiles
