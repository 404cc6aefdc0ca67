#include "WindowFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void InstallFontStandIns() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& designed : {QStringLiteral("Tahoma"), QStringLiteral("MS Sans Serif")})
        if (!installed.contains(designed) && QFont::substitutes(designed).isEmpty())
            QFont::insertSubstitutions(
                designed, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
