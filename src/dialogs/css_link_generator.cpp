#include "dialogs/css_link_generator.h"

#include "base/program_folder.h"

std::optional<Edit> cssLinkEdit(const CssLinkFields &f)
{
    if (f.path.isEmpty())
        return std::nullopt;
    const QString href = f.form == CssLinkFields::PathForm::Relative ? fileNameOf(f.path) : f.path;
    return Edit().insert(QStringLiteral("<link rel=stylesheet type=\"text/css\" href=\"") + href + QStringLiteral("\">"));
}
