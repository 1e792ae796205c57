#include "items/cglobals.h"

#include <QCoreApplication>

QString CGlobals::deviceTitle(const QString &name, const QString &orderNumber, const QString &parameterVersion)
{
    // One multi-argument arg() so a '%' inside a value is not expanded again.
    return QStringLiteral("%1 (%2 %3, %4 %5)")
        .arg(name, QCoreApplication::translate("CGlobals", "Parameter version:"),
             parameterVersion.isEmpty() ? QStringLiteral("0.00") : parameterVersion,
             QCoreApplication::translate("CGlobals", "Order number:"),
             orderNumber.isEmpty() ? QStringLiteral("0") : orderNumber);
}

QStringList CGlobals::splitDeviceTitle(const QString &title)
{
    const QStringList pieces = title.split(QStringLiteral(" ("));
    QString details = pieces.last();
    details.remove(QLatin1Char(')'));
    const QStringList parts = details.split(QLatin1Char(','));
    const auto lastWord = [](const QString &text) { return text.split(QLatin1Char(' ')).last(); };
    return {pieces.first(), lastWord(parts.first()), lastWord(parts.last())};
}

QString CGlobals::truncateAtX(const QString &text)
{
    const int at = text.indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
    return at < 0 ? text : text.left(at);
}
