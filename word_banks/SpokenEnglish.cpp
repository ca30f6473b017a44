#include "SpokenEnglish.h"

#include "Columns.h"

#include <QRegularExpression>

QString spokenEnglish(QStringView field)
{
    // Compatibility folding turns the full-width letters, brackets and tilde into ASCII and the
    // ellipsis into three dots.
    QString text = withoutPadding(field).normalized(QString::NormalizationForm_KC);

    static const QRegularExpression bracketed(QStringLiteral("\\((\\w+)\\)"));
    text.replace(bracketed, QStringLiteral("\\1"));
    static const QRegularExpression gerund(QStringLiteral("~ing\\b"));
    text.replace(gerund, QStringLiteral("doing"));
    // A comma is the pause that every engine makes; those left at either end are dropped below.
    static const QRegularExpression gap(QStringLiteral("\\s*(~|\\.\\.\\.)\\s*"));
    text.replace(gap, QStringLiteral(", "));
    // Only a placeholder "A" stands inside a phrase; at its start it is the article.
    static const QRegularExpression letterA(QStringLiteral("(?<=\\s)A\\b(?!,)"));
    text.replace(letterA, QStringLiteral("A,"));

    text = text.simplified();
    static const QRegularExpression edgePauses(QStringLiteral("^[, ]+|[, ]+$"));
    text.remove(edgePauses);
    return text;
}
