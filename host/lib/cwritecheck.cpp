#include "cwritecheck.h"

#include "chosttr.h"
#include "citemtypelimits.h"
#include "cvalueformat.h"
#include "items/citem.h"

#include <QDateTime>
#include <QSet>

#include <cmath>
#include <limits>

namespace {

bool isList(const CItem *item)
{
    return item->type() == CItem::DATA_TYPE_LIST16 || item->type() == CItem::DATA_TYPE_LIST32;
}

bool isText(const CItem *item)
{
    const int type = item->type();
    return type == CItem::DATA_TYPE_TEXT16 || type == CItem::DATA_TYPE_TEXT8 || type == CItem::DATA_TYPE_BUILDDATE;
}

bool isInteger(const CItem *item)
{
    return CItemTypeLimits::limits(item->type()).first < CItemTypeLimits::limits(item->type()).second;
}

double slackFor(const CItem *item, double low, double high)
{
    // A float register cannot hold a decimal bound exactly; unit conversions
    // leave a last digit on bounds of any type.
    const double scale = qMax(1.0, qMax(std::fabs(low), std::fabs(high)));
    return (item->type() == CItem::DATA_TYPE_FLOAT ? 1e-6 : 1e-9) * scale;
}

// Whether name is pattern with a point number in place of "%1".
bool matchesPattern(const QString &pattern, const QString &name)
{
    const QString prefix = pattern.section(QStringLiteral("%1"), 0, 0);
    const QString suffix = pattern.section(QStringLiteral("%1"), 1);
    if (!name.startsWith(prefix) || !name.endsWith(suffix) || name.size() <= prefix.size() + suffix.size())
        return false;
    bool number = false;
    name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toInt(&number);
    return number;
}

} // namespace

CWriteCheck::CWriteCheck(const QList<CItem *> &items, const CDeviceData &data)
    : m_data(data)
{
    for (CItem *item : items)
        m_items.insert(item->objectName(), item);
}

CItem *CWriteCheck::find(const QString &name) const
{
    return m_items.value(name, nullptr);
}

QString CWriteCheck::label(const CItem *item)
{
    const QString caption = item->caption();
    return caption.isEmpty() || caption == item->objectName()
        ? item->objectName()
        : QStringLiteral("%1 (%2)").arg(caption, item->objectName());
}

QString CWriteCheck::valueWithUnit(const CItem *item, const QVariant &value)
{
    const QString unit = item->unit();
    const QString text = CValueFormat::text(item, value);
    return unit.isEmpty() ? text : QStringLiteral("%1 %2").arg(text, unit);
}

QString CWriteCheck::valueWithUnit(const CItem *item)
{
    return valueWithUnit(item, item->value());
}

QString CWriteCheck::valueProblem(const CItem *item, const QVariant &value, bool checkRange)
{
    if (isText(item)) {
        const int width = item->byteSize();
        return value.toString().toUtf8().size() > width
            ? CHostTr::tr("\"%1\" is longer than %2 characters").arg(value.toString()).arg(width)
            : QString();
    }
    if (item->type() == CItem::DATA_TYPE_DATETIME)
        return value.toDateTime().isValid() ? QString()
                                            : CHostTr::tr("\"%1\" is no date and time").arg(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return CHostTr::tr("\"%1\" is not a number").arg(value.toString());
    if (isList(item)) {
        const QStringList entries = item->textList();
        return number == std::floor(number) && number >= 0 && number < entries.size()
            ? QString()
            : CHostTr::tr("%1 is no entry of the list (%2)").arg(value.toString(), entries.join(QStringLiteral(", ")));
    }
    if (item->type() == CItem::DATA_TYPE_BOOL)
        return number == 0.0 || number == 1.0 ? QString() : CHostTr::tr("%1 is neither on nor off").arg(value.toString());
    if (item->type() == CItem::DATA_TYPE_FLOAT && std::fabs(number) > double(std::numeric_limits<float>::max()))
        return CHostTr::tr("%1 cannot be held by the parameter (a 32-bit float)").arg(value.toString());
    const QPair<double, double> limits = CItemTypeLimits::limits(item->type());
    if (isInteger(item) && (number != std::floor(number) || number < limits.first || number > limits.second))
        return CHostTr::tr("%1 cannot be held by the parameter (whole numbers %2 .. %3 in register units)")
            .arg(value.toString())
            .arg(limits.first, 0, 'f', 0)
            .arg(limits.second, 0, 'f', 0);
    const double low = qMin(item->minimum(), item->maximum());
    const double high = qMax(item->minimum(), item->maximum());
    const double slack = slackFor(item, low, high);
    if (!checkRange || low == high || (number >= low - slack && number <= high + slack))
        return QString();
    return CHostTr::tr("%1 is outside %2 .. %3").arg(valueWithUnit(item, value), CValueFormat::text(item, low),
                                            valueWithUnit(item, high));
}

CParameterProblems CWriteCheck::check(const QList<CItem *> &written) const
{
    CParameterProblems problems;
    QSet<QString> names;
    for (const CItem *item : written) {
        names.insert(item->objectName());
        const QString problem = valueProblem(item, item->value());
        if (!problem.isEmpty())
            problems.append({item->objectName(), CHostTr::tr("%1: %2").arg(label(item), problem)});
    }
    for (const Rule &rule : m_data.rules()) {
        const QStringList involvedNames = involved(rule);
        const bool touched = std::any_of(names.cbegin(), names.cend(), [&](const QString &name) {
            return involvedNames.contains(name)
                || (rule.kind == Rule::Rising && matchesPattern(rule.items.first(), name));
        });
        if (!touched || !applies(rule))
            continue;
        CParameterProblems found;
        if (rule.kind == Rule::Within)
            checkWithin(rule, &found);
        else if (rule.kind == Rule::Above)
            checkAbove(rule, &found);
        else
            checkRising(rule, &found);
        // One problem per parameter is enough to say what to correct.
        for (const CParameterProblem &problem : qAsConst(found)) {
            const bool known = std::any_of(problems.cbegin(), problems.cend(), [&](const CParameterProblem &p) {
                return p.name == problem.name;
            });
            if (!known)
                problems.append(problem);
        }
    }
    return problems;
}

bool CWriteCheck::applies(const Rule &rule) const
{
    if (rule.when.item.isEmpty())
        return true;
    const CItem *item = find(rule.when.item);
    return item && rule.when.values.contains(item->value().toInt());
}

QStringList CWriteCheck::involved(const Rule &rule) const
{
    QStringList names = rule.items;
    names << rule.low << rule.high << rule.other << rule.count << rule.when.item;
    if (rule.inSelectedUnit)
        names << m_data.unitSelector();
    names.removeAll(QString());
    return names;
}

QList<CItem *> CWriteCheck::subjects(const Rule &rule) const
{
    QList<CItem *> items;
    if (rule.kind == Rule::Rising) {
        const CItem *count = find(rule.count);
        const int used = count ? count->value().toInt() : 0;
        for (int point = 1; point <= used; ++point) {
            if (CItem *item = find(rule.items.first().arg(point)))
                items.append(item);
        }
        return items;
    }
    for (const QString &name : rule.items) {
        if (CItem *item = find(name))
            items.append(item);
    }
    return items;
}

void CWriteCheck::checkWithin(const Rule &rule, CParameterProblems *problems) const
{
    const CItem *lowItem = find(rule.low);
    const CItem *highItem = find(rule.high);
    if (!lowItem || !highItem)
        return;
    double factor = 1.0;
    if (rule.inSelectedUnit) {
        const CItem *selector = find(m_data.unitSelector());
        factor = selector ? m_data.unitFactor(selector->value().toInt()) : 1.0;
        if (factor == 0.0)
            return; // a unit the device data does not know: nothing to say
    }
    double low = CValueFormat::displayNumber(lowItem, lowItem->value()) * factor;
    double high = CValueFormat::displayNumber(highItem, highItem->value()) * factor;
    if (low > high)
        std::swap(low, high);
    for (const CItem *item : subjects(rule)) {
        const double value = CValueFormat::displayNumber(item, item->value());
        const double slack = slackFor(item, low, high);
        if (value >= low - slack && value <= high + slack)
            continue;
        problems->append(
            {item->objectName(),
             CHostTr::tr("%1: %2 is outside the configured range %3 .. %4")
                 .arg(label(item), valueWithUnit(item), CValueFormat::text(item, CValueFormat::storedNumber(item, low)),
                      valueWithUnit(item, CValueFormat::storedNumber(item, high)))});
    }
}

void CWriteCheck::checkAbove(const Rule &rule, CParameterProblems *problems) const
{
    const CItem *other = find(rule.other);
    if (!other)
        return;
    const double bound = CValueFormat::displayNumber(other, other->value());
    for (const CItem *item : subjects(rule)) {
        if (CValueFormat::displayNumber(item, item->value()) > bound)
            continue;
        problems->append({item->objectName(),
                          CHostTr::tr("%1: %2 is not above %3 (%4)")
                              .arg(label(item), valueWithUnit(item), label(other), valueWithUnit(other))});
    }
}

void CWriteCheck::checkRising(const Rule &rule, CParameterProblems *problems) const
{
    const QList<CItem *> points = subjects(rule);
    for (int i = 1; i < points.size(); ++i) {
        const CItem *previous = points.at(i - 1);
        const CItem *point = points.at(i);
        if (CValueFormat::displayNumber(point, point->value())
            > CValueFormat::displayNumber(previous, previous->value()))
            continue;
        problems->append({point->objectName(),
                          CHostTr::tr("%1: %2 is not above %3 (%4)")
                              .arg(label(point), valueWithUnit(point), label(previous), valueWithUnit(previous))});
    }
}

QList<CItem *> CWriteCheck::companions(const CItem *item) const
{
    QList<CItem *> result;
    for (const Rule &rule : m_data.rules()) {
        if (rule.kind == Rule::Above && (rule.items.contains(item->objectName()) || rule.other == item->objectName())) {
            result << subjects(rule);
            if (CItem *other = find(rule.other))
                result << other;
        } else if (rule.kind == Rule::Rising && matchesPattern(rule.items.first(), item->objectName())
                   && applies(rule)) {
            result << subjects(rule);
        }
    }
    return result;
}
