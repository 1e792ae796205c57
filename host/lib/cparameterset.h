#ifndef CPARAMETERSET_H
#define CPARAMETERSET_H

#include "loomworkhost_global.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class CItem;
class QObject;

// A saved set of parameter values, on disk a JSON document: the device model,
// order number and parameter version it was taken from, a time stamp, and one
// value per parameter by object name, as the device holds it (register units;
// values that follow the device's unit are in the unit the set's own unit
// parameter selects). Sets move between the GUI host and loomwork-cli.
// CSetRestore brings a set into the items.
class LOOMWORKHOST_EXPORT CParameterSet
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)

public:
    // Version 1 files lack "version" and "units"; their values mean the same.
    static const int FormatVersion = 2;

    // One row of a comparison between a set and the device.
    struct Difference
    {
        CItem *item = nullptr;
        QString name;
        QString caption;
        QString fileText;   // with its unit
        QString deviceText; // with its unit; empty when never read
        bool differs = false;
        bool writable = false; // the set's value would be written
        bool readOnly = false; // the device's own (status, identification)
    };

    QString model;
    QString orderNumber;
    QString parameterVersion;
    QDateTime timeStamp;
    int version = FormatVersion;
    QList<QPair<QString, QVariant>> values; // object name -> stored value
    QHash<QString, QString> units;          // object name -> unit text (for readers)

    // Takes the values (and units) of every parameter below root (containers
    // and bit-field entries are skipped) in tree order; the time stamp is now.
    static CParameterSet fromItems(const QObject *root);
    // The parameters a set holds values of, below root, in tree order.
    static QList<CItem *> parameterItems(const QObject *root);

    // Writes the set as JSON. On failure returns false and sets error.
    bool save(const QString &fileName, QString *error = nullptr) const;
    // Reads a set written by save() (any version up to FormatVersion). On
    // failure returns false, sets error and leaves the set unchanged.
    bool load(const QString &fileName, QString *error = nullptr);

    // The value stored under name; invalid when the set has none.
    QVariant value(const QString &name) const;

    // A value read from a file in the representation the item's type uses.
    // False with reason when it cannot be a value of the item at all (a
    // text for a number, no whole number for an integer, beyond the
    // register, not finite, not in the list); the range is not looked at.
    static bool convertForItem(const CItem *item, const QVariant &raw, QVariant *value, QString *reason);

private:
    static void collect(const QObject *parent, QList<CItem *> *items);
};

#endif // CPARAMETERSET_H
