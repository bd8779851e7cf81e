// Specials files as `specials import` reads them: every element goes through
// the form and rule checks an import runs before it touches the database.
// What passes must export to JSON that reads back as the same profile
// without a refusal, and must fit a card.
#include "fuzz_support.h"
#include "profiles/profile_json.h"
#include "specials/special_card_layout.h"
#include "specials/special_json.h"

namespace {

using namespace specials;

void checkExportReadsBack(const ProfileWithEntries& profile)
{
    const QJsonObject exported = profileToJson(profile);
    QStringList refusals;
    const auto again = profileFromJson(exported, 0, &refusals);
    if (!again || !refusals.isEmpty() || profileToJson(*again) != exported)
        fuzz::fail("an exported specials profile does not import as itself");
}

void checkCard(const ProfileWithEntries& p)
{
    HEADER_DATA_AREA area;
    const int length = buildCardImage(area, p.mode, 0x1234, p.profile,
                                      {p.entries.constData(), std::size_t(p.entries.size())});
    if (length != 14 + 11 * int(p.entries.size()))
        fuzz::fail("a checked profile does not fit its card");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::silentUi();
    QString error;
    const std::optional<QJsonArray> file =
        profiles::parseProfileFile(fuzz::bytesOf(data, size), &error);
    if (!file)
        return 0;
    for (int i = 0; i < file->size(); ++i) {
        QStringList refusals;
        const auto parsed = profileFromJson(file->at(i), i, &refusals);
        if (!parsed || !refusals.isEmpty())
            continue;
        checkExportReadsBack(*parsed);
        checkCard(*parsed);
    }
    fuzz::endInput();
    return 0;
}
