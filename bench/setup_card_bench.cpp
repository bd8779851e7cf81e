// Setup-card creation end to end: a Retrofit record written onto the card in
// the virtual reader, with every check, the keys and the write-through saves
// of the card image file.
#include "card/card_dump.h"
#include "card/card_images.h"
#include "card/virtual_reader.h"
#include "laundry/laundry.h"
#include "ui/scripted_ui.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_CreateRetrofitSetupCard(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("bench.lcard");
    card::NewCardFileOptions options;
    options.type = 0xB8;
    options.custId = 0x1234;
    QString error;
    if (!card::createCardImageFile(file, options).isEmpty() ||
        !card::insertCardFile(file, &error)) {
        state.SkipWithError("cannot make the card file");
        return;
    }
    ui::ScopedScriptedUi script;
    set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);

    STRUCT_laundry_setup record;
    clear_laundry_setup_struct(&record);
    record.card_type_code = 0xB8;
    record.word_02 = 0x1234;
    record.vend_price = 125;
    uint16_t price = 0;
    for (auto _ : state) {
        // A new price each time: the card stack saves only what changed.
        record.vend_price = ++price;
        card::RexaCard image;
        if (create_laundry_setup_card(&image, 0x1234, &record, 0) != 1) {
            state.SkipWithError("the card was not written");
            break;
        }
        script->clear();
    }
    card::eject();
}
BENCHMARK(BM_CreateRetrofitSetupCard)->Unit(benchmark::kMicrosecond);

} // namespace
