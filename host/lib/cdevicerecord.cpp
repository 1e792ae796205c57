#include "cdevicerecord.h"

#include "chosttr.h"
#include <QJsonArray>

namespace {

const QStringList OutcomeNames = {
    QStringLiteral("unchanged"),   QStringLiteral("changed"),      QStringLiteral("would-change"),
    QStringLiteral("saved"),       QStringLiteral("differs"),      QStringLiteral("wrong-serial"),
    QStringLiteral("wrong-model"), QStringLiteral("no-answer"),    QStringLiteral("set-refused"),
    QStringLiteral("read-failed"), QStringLiteral("write-failed"), QStringLiteral("file-failed")};
const QStringList ReadBackNames = {QStringLiteral("not-written"), QStringLiteral("confirmed"),
                                   QStringLiteral("held-other"),  QStringLiteral("refused"),
                                   QStringLiteral("not-read-back"), QStringLiteral("read-failed")};

QJsonArray texts(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

} // namespace

bool CDeviceRecord::succeeded() const
{
    return outcome == Unchanged || outcome == Changed || outcome == WouldChange || outcome == Saved;
}

QString CDeviceRecord::outcomeName(Outcome outcome)
{
    return OutcomeNames.value(outcome);
}

QString CDeviceRecord::readBackName(ReadBack readBack)
{
    return ReadBackNames.value(readBack);
}

QString CDeviceRecord::outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Unchanged:
        return CHostTr::tr("unchanged");
    case Changed:
        return CHostTr::tr("changed");
    case WouldChange:
        return CHostTr::tr("would change (dry run)");
    case Saved:
        return CHostTr::tr("saved");
    case Differs:
        return CHostTr::tr("differs from the set");
    case WrongSerial:
        return CHostTr::tr("skipped: other serial number");
    case WrongModel:
        return CHostTr::tr("skipped: other model");
    case NoAnswer:
        return CHostTr::tr("skipped: no answer");
    case SetRefused:
        return CHostTr::tr("set refused");
    case ReadFailed:
        return CHostTr::tr("read failed");
    case WriteFailed:
        return CHostTr::tr("write failed");
    case FileFailed:
        return CHostTr::tr("not saved");
    }
    return QString();
}

QString CDeviceRecord::readBackText(ReadBack readBack)
{
    switch (readBack) {
    case NotWritten:
        return CHostTr::tr("not written");
    case Confirmed:
        return CHostTr::tr("confirmed");
    case HeldOther:
        return CHostTr::tr("the device holds another value");
    case WriteRefused:
        return CHostTr::tr("refused by the device");
    case NotReadBack:
        return CHostTr::tr("not read back (new line settings)");
    case ReadBackFailed:
        return CHostTr::tr("could not be read back");
    }
    return QString();
}

QJsonObject CDeviceRecord::changeJson(const Change &change)
{
    return QJsonObject{{QStringLiteral("name"), change.name},     {QStringLiteral("caption"), change.caption},
                       {QStringLiteral("before"), change.before}, {QStringLiteral("after"), change.after},
                       {QStringLiteral("readBack"), readBackName(change.readBack)},
                       {QStringLiteral("refused"), change.refused}};
}

CDeviceRecord::Change CDeviceRecord::changeFromJson(const QJsonObject &object)
{
    Change change;
    change.name = object.value(QStringLiteral("name")).toString();
    change.caption = object.value(QStringLiteral("caption")).toString();
    change.before = object.value(QStringLiteral("before")).toString();
    change.after = object.value(QStringLiteral("after")).toString();
    change.readBack = ReadBack(qMax(0, ReadBackNames.indexOf(object.value(QStringLiteral("readBack")).toString())));
    change.refused = object.value(QStringLiteral("refused")).toBool();
    return change;
}

QJsonObject CDeviceRecord::toJson() const
{
    QJsonArray written;
    for (const Change &change : changes)
        written.append(changeJson(change));
    QJsonArray differing;
    for (const Change &change : differences)
        differing.append(changeJson(change));
    return QJsonObject{
        {QStringLiteral("link"), link},
        {QStringLiteral("unitId"), unitId},
        {QStringLiteral("expectedSerialNumber"), expectedSerial},
        {QStringLiteral("identity"), identity.toJson()},
        {QStringLiteral("started"), started.toString(Qt::ISODateWithMs)},
        {QStringLiteral("finished"), finished.toString(Qt::ISODateWithMs)},
        {QStringLiteral("outcome"), outcomeName(outcome)},
        {QStringLiteral("succeeded"), succeeded()},
        {QStringLiteral("message"), message},
        {QStringLiteral("problems"), texts(problems)},
        {QStringLiteral("changes"), written},
        {QStringLiteral("differences"), differing},
        {QStringLiteral("file"), file},
    };
}

bool CDeviceRecord::fromJson(const QJsonObject &object, CDeviceRecord *record)
{
    const int outcome = OutcomeNames.indexOf(object.value(QStringLiteral("outcome")).toString());
    if (outcome < 0)
        return false;
    record->link = object.value(QStringLiteral("link")).toString();
    record->unitId = object.value(QStringLiteral("unitId")).toInt();
    record->expectedSerial = object.value(QStringLiteral("expectedSerialNumber")).toString();
    record->identity = CDeviceIdentity::fromJson(object.value(QStringLiteral("identity")).toObject());
    record->started = QDateTime::fromString(object.value(QStringLiteral("started")).toString(), Qt::ISODateWithMs);
    record->finished = QDateTime::fromString(object.value(QStringLiteral("finished")).toString(), Qt::ISODateWithMs);
    record->outcome = Outcome(outcome);
    record->message = object.value(QStringLiteral("message")).toString();
    record->problems.clear();
    for (const QJsonValue &problem : object.value(QStringLiteral("problems")).toArray())
        record->problems.append(problem.toString());
    record->changes.clear();
    for (const QJsonValue &change : object.value(QStringLiteral("changes")).toArray())
        record->changes.append(changeFromJson(change.toObject()));
    record->differences.clear();
    for (const QJsonValue &change : object.value(QStringLiteral("differences")).toArray())
        record->differences.append(changeFromJson(change.toObject()));
    record->file = object.value(QStringLiteral("file")).toString();
    return true;
}
