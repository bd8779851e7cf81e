#include "profiles/page_catalogue.h"

#include "profiles/pages/advantech_dialog.h"
#include "profiles/pages/alliance_dialog.h"
#include "profiles/pages/alliance_page_rules.h"
#include "profiles/pages/cycle_setup_page.h"
#include "profiles/pages/cycle_setup_page_rules.h"
#include "profiles/pages/display_message_page.h"
#include "profiles/pages/display_message_page_rules.h"
#include "profiles/pages/gen2_advanced_dialog.h"
#include "profiles/pages/gen2_advanced_dialog_rules.h"
#include "profiles/pages/gen2_page.h"
#include "profiles/pages/gen2_page_rules.h"
#include "profiles/pages/kept_columns_page.h"
#include "profiles/pages/manual_setup_page.h"
#include "profiles/pages/maytag_dialog.h"
#include "profiles/pages/maytag_dialog_rules.h"
#include "profiles/pages/mdc_page.h"
#include "profiles/pages/tovan2000_page.h"
#include "profiles/pages/tovan2000_page_rules.h"
#include "profiles/pages/wascomat_dialog.h"
#include "profiles/pages/wascomat_page_rules.h"
#include "setup/profile_types.h"

namespace profiles {

std::unique_ptr<PageRules> makePageRules(int code)
{
    switch (code) {
    case setup::kRetrofit:
    case setup::kElectromechanical:
        return std::make_unique<DisplayMessagePageRules>(code);
    case setup::kTovan2000:
        return std::make_unique<Tovan2000PageRules>();
    case setup::kTovan2000CycleSetup:
        return std::make_unique<CycleSetupPageRules>();
    case setup::kMaytagGen2:
        return std::make_unique<Gen2PageRules>();
    case setup::kAdvantech:
        return std::make_unique<AdvantechPageRules>();
    case setup::kMaytagGen2Advanced:
    case setup::kLg:
        return std::make_unique<Gen2AdvancedDialogRules>(code);
    case setup::kSpeedQueenMdc:
        return std::make_unique<MdcPageRules>();
    case setup::kGeneric:
        return std::make_unique<ManualSetupPageRules>();
    case setup::kAllianceQuantumAca:
        return std::make_unique<AlliancePageRules>();
    case setup::kMaytagMarlin:
    case setup::kMaytagQuicksilver:
    case setup::kMaytagMhn33:
        return std::make_unique<MaytagDialogRules>(code);
    case setup::kWascomat:
        return std::make_unique<WascomatPageRules>();
    default: // a type this version does not know
        return std::make_unique<KeptColumnsPageRules>(code);
    }
}

OptionPageWidget* makePageWidget(int code, QWidget* parent)
{
    switch (code) {
    case setup::kRetrofit:
    case setup::kElectromechanical:
        return new DisplayMessagePage(code, parent);
    case setup::kTovan2000:
        return new Tovan2000Page(parent);
    case setup::kTovan2000CycleSetup:
        return new CycleSetupPage(parent);
    case setup::kMaytagGen2:
        return new Gen2Page(parent);
    case setup::kAdvantech:
        return new AdvantechDialog(parent);
    case setup::kMaytagGen2Advanced:
    case setup::kLg:
        return new Gen2AdvancedDialog(code, parent);
    case setup::kSpeedQueenMdc:
        return new MdcPage(parent);
    case setup::kGeneric:
        return new ManualSetupPage(parent);
    case setup::kAllianceQuantumAca:
        return new AllianceDialog(parent);
    case setup::kMaytagMarlin:
    case setup::kMaytagQuicksilver:
    case setup::kMaytagMhn33:
        return new MaytagDialog(code, parent);
    case setup::kWascomat:
        return new WascomatDialog(parent);
    default: // a type this version does not know
        return new KeptColumnsPage(code, parent);
    }
}

} // namespace profiles
