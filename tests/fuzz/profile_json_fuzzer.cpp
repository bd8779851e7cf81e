// Profile files as `profile import` reads them: every profile that parses
// goes through the checks an import runs before it stores anything, and one
// that passes its page's field limits is converted into a setup record as
// Select would. What parses must export to JSON that imports to the same
// profile without a refusal.
#include "fuzz_support.h"
#include "laundry/laundry.h"
#include "profiles/editor_rules.h"
#include "profiles/page_catalogue.h"
#include "profiles/profile_json.h"
#include "profiles/record_conversion.h"

#include <QJsonObject>

#include <cstring>

namespace {

using namespace profiles;

void checkAndConvert(const ProfileValues& values, const QStringList& takenNames)
{
    const CommonValues& common = values.common;
    checkProfileName(common.name, QString(), takenNames);
    checkMaxCardValue(common.maxCardValue);
    checkNickelPrice(common.vendPrice, kIdVendPrice, kColVendPrice);
    checkNickelPrice(common.topoffPrice, kIdTopoffPrice, kColTopoffPrice);

    const std::unique_ptr<PageRules> page = makePageRules(common.typeCode);
    page->load(values.columns);
    const Check fieldRefusal = page->checkFields();
    page->checkBeforeSave();
    page->columns();
    if (fieldRefusal)
        return;
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    transferDialogToRecord(common, *page, record);
}

void checkExportReadsBack(const ProfileValues& values)
{
    const QJsonObject exported = profileToJson(values);
    const ParsedProfile again = profileFromJson(exported, 0);
    if (!again.values || !again.refusals.isEmpty() || profileToJson(*again.values) != exported)
        fuzz::fail("an exported profile does not import as itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::silentUi();
    QString error;
    const std::optional<QJsonArray> file = parseProfileFile(fuzz::bytesOf(data, size), &error);
    if (!file)
        return 0;
    QStringList takenNames;
    for (int i = 0; i < file->size(); ++i) {
        const ParsedProfile parsed = profileFromJson(file->at(i), i);
        for (const ImportRefusal& refusal : parsed.refusals)
            refusal.text();
        if (!parsed.values)
            continue;
        checkAndConvert(*parsed.values, takenNames);
        checkExportReadsBack(*parsed.values);
        takenNames << parsed.values->common.name;
    }
    fuzz::endInput();
    return 0;
}
