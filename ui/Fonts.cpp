#include "Fonts.h"

#include <QStringList>

namespace {

QFont make(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QFont Fonts::T12()
{
    return make(QStringLiteral("Times New Roman"), 16, false);
}

QFont Fonts::T12B()
{
    return make(QStringLiteral("Times New Roman"), 16, true);
}

QFont Fonts::T11()
{
    return make(QStringLiteral("Times New Roman"), 15, false);
}

QFont Fonts::M8B()
{
    return make(QStringLiteral("MS Sans Serif"), 11, true);
}

void Fonts::registerSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
