#include "profiles/pages/manual_setup_page.h"

#include "ui_manual_setup_page.h"

namespace profiles {

ManualSetupPage::ManualSetupPage(QWidget* parent)
    : OptionPageWidget(parent), ui_(std::make_unique<Ui::ManualSetupPage>())
{
    ui_->setupUi(this);
    setControlId(ui_->filePathEdit, ManualSetupPageRules::kFilePathControl);
    setControlId(ui_->cardTypeEdit, ManualSetupPageRules::kCardTypeControl);
    connect(ui_->cardTypeEdit, &QLineEdit::textChanged, this, &ManualSetupPage::cardTypeEdited);
    showValues();
}

ManualSetupPage::~ManualSetupPage() = default;

void ManualSetupPage::showValues()
{
    ui_->filePathEdit->setText(rules_.filePath());
    // The loaded form is lower case ("0a"); typing takes capitals only.
    lastCardType_ = rules_.cardTypeText();
    const QSignalBlocker blocker(ui_->cardTypeEdit);
    ui_->cardTypeEdit->setText(lastCardType_);
}

void ManualSetupPage::readValues()
{
    rules_.setFilePath(ui_->filePathEdit->text());
    rules_.setCardTypeText(ui_->cardTypeEdit->text());
}

void ManualSetupPage::cardTypeEdited(const QString& text)
{
    if (ManualSetupPageRules::cardTypeTextAllowed(text)) {
        lastCardType_ = text;
        return;
    }
    const int cursor = qMax(0, ui_->cardTypeEdit->cursorPosition() - 1);
    const QSignalBlocker blocker(ui_->cardTypeEdit);
    ui_->cardTypeEdit->setText(lastCardType_);
    ui_->cardTypeEdit->setCursorPosition(qMin(cursor, int(lastCardType_.size())));
}

} // namespace profiles
