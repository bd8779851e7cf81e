#include "profiles/editor_pages.h"

#include "profiles/page_catalogue.h"
#include "services/prompt.h"

#include <QStackedWidget>

namespace profiles {
namespace {

// The order in which the resource creates its pages.
constexpr std::array<int, setup::kProfileTypeCount> kCreationOrder = {
    setup::kTovan2000,
    setup::kTovan2000CycleSetup,
    setup::kMaytagGen2,
    setup::kElectromechanical,
    setup::kMaytagGen2Advanced,
    setup::kLg,
    setup::kAdvantech,
    setup::kRetrofit,
    setup::kSpeedQueenMdc,
    setup::kAllianceQuantumAca,
    setup::kMaytagMarlin,
    setup::kMaytagMhn33,
    setup::kMaytagQuicksilver,
    setup::kWascomat,
    setup::kGeneric,
};

constexpr char kCreateErrorCaption[] = "ERROR: Reader Profile";

} // namespace

EditorPages::EditorPages(QStackedWidget* stack) : stack_(stack), blank_(new QWidget(stack))
{
    stack_->addWidget(blank_);
    for (int code : kCreationOrder) {
        Page& page = pages_[size_t(code)];
        page.widget = makePageWidget(code, stack_);
        if (page.widget != nullptr) {
            stack_->addWidget(page.widget);
            continue;
        }
        promptui::MessageBox(QStringLiteral("Unable to Create ") +
                                 QString::fromLatin1(setup::profileTypeInfo(code).optionPage),
                             QString::fromLatin1(kCreateErrorCaption),
                             promptui::MB_OK | promptui::MB_ICONERROR);
        page.rulesOnly = makePageRules(code);
    }
    stack_->setCurrentWidget(blank_);
}

EditorPages::~EditorPages() = default;

OptionPageWidget* EditorPages::widget(int code) const
{
    return setup::isValidProfileType(code) ? pages_[size_t(code)].widget : nullptr;
}

PageRules* EditorPages::rules(int code) const
{
    if (!setup::isValidProfileType(code))
        return nullptr;
    const Page& page = pages_[size_t(code)];
    return page.widget ? &page.widget->rules() : page.rulesOnly.get();
}

void EditorPages::show(int code)
{
    OptionPageWidget* page = widget(code);
    stack_->setCurrentWidget(page ? static_cast<QWidget*>(page) : blank_);
}

void EditorPages::setEditablePage(int code)
{
    for (int other = 0; other < setup::kProfileTypeCount; ++other)
        if (OptionPageWidget* page = widget(other))
            page->setEditable(other == code);
}

void EditorPages::readValues(int code)
{
    if (OptionPageWidget* page = widget(code))
        page->readValues();
}

void EditorPages::showValues(int code)
{
    if (OptionPageWidget* page = widget(code))
        page->showValues();
}

} // namespace profiles
