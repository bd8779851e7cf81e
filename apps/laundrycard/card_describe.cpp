// laundrycard card describe: the card details report of the card in the
// reader, written to standard output exactly as the library appends it.
#include "card/card_details_note.h"
#include "card/virtual_reader.h"
#include "cli.h"
#include "laundry/laundry.h"
#include "services/cardlayout.h"
#include "services/readerio.h"
#include "ui/console_progress.h"
#include "ui/console_prompt.h"

#include <cstdio>

namespace cli {
namespace {

// Passes every message on to the console and remembers that one came: the
// report shows a message only when it could not read the card.
class NoticingPrompt : public promptui::PromptService {
public:
    int messageBox(const QString& text, const QString& caption, unsigned flags) override
    {
        shown = true;
        return ui::consolePrompt().messageBox(text, caption, flags);
    }
    bool shown = false;
};

// Keeps the card powered while the report reads it and ejects it after.
class PoweredCard {
public:
    PoweredCard() { powered = readerio::PowerCard(readerio::POWER_ON); }
    ~PoweredCard()
    {
        readerio::PowerCard(readerio::POWER_OFF);
        card::eject();
    }
    bool powered = false;
};

} // namespace

int cardDescribe(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("card describe (PATH | --reader CARD)"),
                      QStringLiteral("Describes the card in the reader: the library's card "
                                     "details report, lines ending in CR LF. A blank card, or "
                                     "one the report does not decode, gets a line saying so."));
    cmd.addCardArgument();
    if (auto status = cmd.parse(args, 0, 1))
        return *status;
    const std::optional<QString> path = cmd.cardArgument();
    if (!path)
        return kExitUsage;

    QString error;
    if (!card::insertCardFile(*path, &error)) {
        printError(error);
        return kExitFailed;
    }
    PoweredCard card;
    uint8_t type = 0;
    const uint8_t status = card.powered ? cardlayout::NIMBOGetCardType(&type) : 1;
    if (status != 0) {
        printError(QStringLiteral("cannot read the card type (error %1)").arg(status));
        return kExitFailed;
    }

    NoticingPrompt prompt;
    promptui::setPromptService(&prompt);
    promptui::setProgressService(&ui::consoleProgress());
    set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED); // keep the services installed here
    QString text;
    GetCardDetails(type, text);
    set_laundry_ui_mode(LAUNDRY_UI_CONSOLE);
    promptui::setPromptService(nullptr);

    if (const QString note = card::cardDetailsNote(type, text); !note.isEmpty() && !prompt.shown)
        text = note + QStringLiteral("\r\n");
    const QByteArray bytes = text.toLatin1();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return prompt.shown ? kExitFailed : kExitOk;
}

} // namespace cli
