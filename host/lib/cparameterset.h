#ifndef CPARAMETERSET_H
#define CPARAMETERSET_H

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class CItem;
class QObject;

// A saved set of parameter values: the device model, order number and
// parameter version it was taken from, a time stamp, and one value per
// parameter (by object name, in stored device units). On disk it is a JSON
// document.
class CParameterSet
{
public:
    // One row of a comparison between a set and the items.
    struct Difference
    {
        CItem *item = nullptr;
        QString name;
        QString caption;
        QVariant fileValue; // converted to the item's type
        QString fileText;
        QString deviceText;
        bool differs = false;
    };

    QString model;
    QString orderNumber;
    QString parameterVersion;
    QDateTime timeStamp;
    QList<QPair<QString, QVariant>> values; // object name -> stored value

    // Takes the values of every parameter below root (containers and
    // bit-field entries are skipped) in tree order; the time stamp is now.
    static CParameterSet fromItems(const QObject *root);
    // The parameters a set holds values of, below root, in tree order.
    static QList<CItem *> parameterItems(const QObject *root);

    // Writes the set as JSON. On failure returns false and sets error.
    bool save(const QString &fileName, QString *error = nullptr) const;
    // Reads a set written by save(). On failure returns false, sets error
    // and leaves the set unchanged.
    bool load(const QString &fileName, QString *error = nullptr);

    // The value stored under name; invalid when the set has none.
    QVariant value(const QString &name) const;

    // Compares the set with the items below root: one row per item that the
    // set has a value for, in tree order.
    QList<Difference> compare(const QObject *root) const;
    // Gives every writable item below root the set's value, in tree order,
    // as a user edit would (value first, then valueEdited()), so the
    // plugin's conversions run between the items. Returns the items changed.
    QList<CItem *> applyTo(const QObject *root) const;

    // A JSON value read back into the representation the item's type uses.
    static QVariant convertForItem(const CItem *item, const QVariant &value);

private:
    static void collect(const QObject *parent, QList<CItem *> *items);
};

#endif // CPARAMETERSET_H
