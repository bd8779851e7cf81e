#include "profiles/pages/kept_columns_page.h"

#include "setup/profile_types.h"

#include <QLabel>
#include <QVBoxLayout>

namespace profiles {

QString KeptColumnsPageRules::pageName() const
{
    return QString::fromLatin1(setup::profileTypeInfo(code_).optionPage);
}

KeptColumnsPage::KeptColumnsPage(int code, QWidget* parent) : OptionPageWidget(parent), rules_(code)
{
    auto* label =
        new QLabel(QStringLiteral("The options of %1 profiles are kept as they are stored.\n"
                                  "Their option page is not part of this version, so no setup card "
                                  "can be made from such a profile yet.")
                       .arg(setup::profileTypeListName(code)),
                   this);
    label->setObjectName(QStringLiteral("keptColumnsNote"));
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addStretch();
}

} // namespace profiles
