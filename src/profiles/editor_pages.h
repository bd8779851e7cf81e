// The option page widgets of the profile editor, one per profile type,
// stacked at the editor's placeholder so that one shows at a time.
#pragma once

#include "profiles/editor_page_set.h"
#include "profiles/option_page_widget.h"

#include <array>
#include <memory>

class QStackedWidget;

namespace profiles {

class EditorPages : public EditorPageSet {
public:
    // Creates every page, hidden, in the order the editor's resource creates
    // them. A page that cannot be created is reported ("Unable to Create ...")
    // and its type goes on with rules but no widget.
    explicit EditorPages(QStackedWidget* stack);
    ~EditorPages() override;
    EditorPages(const EditorPages&) = delete;
    EditorPages& operator=(const EditorPages&) = delete;

    // Null for an unknown code or a page that could not be created.
    OptionPageWidget* widget(int code) const;
    // Null for an unknown code (or when not even the rules could be made).
    PageRules* rules(int code) const override;
    void readValues(int code) override;
    void showValues(int code) override;

    // Shows the page of `code` and hides the one shown before.
    void show(int code);
    // Only the page of `code` (none for -1) takes input.
    void setEditablePage(int code);

private:
    struct Page {
        OptionPageWidget* widget = nullptr;   // owned by the stack
        std::unique_ptr<PageRules> rulesOnly; // when the widget could not be made
    };

    QStackedWidget* stack_;
    QWidget* blank_; // shown for a type without a widget
    std::array<Page, setup::kProfileTypeCount> pages_;
};

} // namespace profiles
