#ifndef CPV8120BACKEND_H
#define CPV8120BACKEND_H

#include "backend/crequest.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class CItem;
class CObjectIndex;
class QTimer;

// Device logic of the PV 8120. Lives as a child of the host object that holds
// the parameter items, finds the items by object name whenever it needs them,
// keeps the dependent parameters consistent and decodes the device's status
// block into display text and LED code.
class CPV8120Backend : public QObject
{
    Q_OBJECT

public:
    // Creates the timers and brings the items under parent into a consistent
    // state; no item signal is connected yet (see bindItems()).
    explicit CPV8120Backend(QObject *parent);
    ~CPV8120Backend() override;

    // Connects the item signals and the host objects "Parameter" and
    // "ModbusMaster" to this backend's slots; missing objects are skipped.
    void bindItems();

    // First descendant of the backend's parent whose object name contains a
    // match of name (case-sensitive regular expression); null if none. The
    // answer is the live tree's: each slot run compares the tree with the
    // lookup snapshot once, and a call from outside a slot run every time.
    // A slot entered through a signal, also while another slot runs, is a
    // run of its own; a slot's calls to the backend's other functions belong
    // to its run.
    QObject *findObject(const QString &name) const;
    // findObject(name) as a CItem; null when the first match is no CItem.
    CItem *findItem(const QString &name) const;

    // Emits one read request for registerCount registers from startAddress;
    // nothing for a count of 0.
    void requestRead(quint16 startAddress, quint16 registerCount);

    // Drives setDisplay() every 500 ms while status responses arrive.
    QTimer *const displayTimer;
    // Stops displayTimer 5000 ms after the last accepted status response.
    QTimer *const displayTimeoutTimer;

signals:
    void displayText(const QString &);
    void displayLed(int);
    void displayType(int);
    void buildRequest(const CRequest &);

public slots:
    // Requests the status block (12 registers from 0x7000).
    void cyclicTimeout();

private slots:
    void setDeviceType();
    void setDisplay();
    void setCurrentFactor();
    void setCurrentValues();
    void setStuetpunkteMode(const QVariant &value);
    void setUnits();
    void setUnits(const QVariant &value);
    void setVisibility();
    void setVisibility(const QVariant &value);
    void setStuetzpunktVisibility(const QVariant &value);
    void setSchleichVisibility();
    void setGrenzwertLimits();
    void setSchleichLimits();
    void recalcValues();
    void recalcStuetzpunkte();
    void messbereichChanged();
    void reorganizeUnits();
    void decodeData(const QByteArray &data);

private:
    // One run-time connection: sender name, signal, receiver name, slot.
    typedef QStringList Connection;

    // What the slots of the same names do, for calls from other slots: such a
    // call belongs to the caller's slot run and shares its tree comparison.
    void readCurrentFactor();
    void applyUnit(const QVariant &value);
    void applyUnitOfUnitItem();
    void applyVisibility(const QVariant &value);
    void applyPointVisibility(const QVariant &value);
    void applyLimitRanges();
    void layOutPoints(int count);

    void connectByName(const QList<Connection> &connections);
    void connectByExactName(const QList<Connection> &connections);
    void convertUnitDependents(bool withValues);
    void scaleUnitDependents(double factor, bool multiply, bool withValues);
    void layOutInputPoint(int number, int count);
    void layOutOutputPoint(int number, int count);
    double itemValue(const QString &name) const;
    QString itemText(const QString &name) const;
    void setItemVisible(const QString &name, bool visible);
    void setItemRange(const QString &name, double min, double max);
    QString frameText() const;
    int frameLed() const;

    double currentFactor;
    QByteArray displayData;
    bool displayPhase;
    const std::unique_ptr<CObjectIndex> objectIndex;
};

#endif // CPV8120BACKEND_H
