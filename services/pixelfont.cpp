#include "services/pixelfont.h"

#include <QStringList>

QFont pixelFont(const QString &family, int pixelSize)
{
    QStringList families{family};
    for (const QString &fallback : {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")})
        if (!families.contains(fallback))
            families << fallback;
    QFont font(family);
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}
