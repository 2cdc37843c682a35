#include "model/Grossschreibung.h"

static inline QChar gross(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(char16_t(u - 32));
    switch (u) {
    case u'ä': return QChar(u'Ä');
    case u'ö': return QChar(u'Ö');
    case u'ü': return QChar(u'Ü');
    default: return c;
    }
}

QString Grossschreibung(const QString &text)
{
    QString ergebnis = text;
    for (QChar &c : ergebnis)
        c = gross(c);
    return ergebnis;
}

bool GleichOhneGross(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (gross(a[i]) != gross(b[i]))
            return false;
    return true;
}

bool BeginntMitOhneGross(const QString &text, const QString &praefix)
{
    if (praefix.size() > text.size())
        return false;
    for (qsizetype i = 0; i < praefix.size(); ++i)
        if (gross(text[i]) != gross(praefix[i]))
            return false;
    return true;
}
