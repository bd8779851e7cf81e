#include "datacollection/viewer/dc_viewer.h"

#include "datacollection/viewer/dc_view_dialog.h"
#include "services/dialog_runner.h"

namespace datacollection {

void showDcRecordView(const GenericDCRec& record, bool tokensEnabled,
                      const CardHolderResolver& resolveHolder)
{
    const DcViewContent content = buildDcViewContent(record, tokensEnabled, resolveHolder);
    if (showDcViewFailure(content) || content.kind == DcViewKind::None)
        return;
    DcViewDialog dialog(content);
    promptui::runDialog(dialog);
}

} // namespace datacollection
