#ifndef CDEVICEDATA_H
#define CDEVICEDATA_H

#include "backend/crequest.h"
#include "loomworkhost_global.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// What a host needs to know about a device beyond its parameter description,
// read from the device data file beside the description
// (<description>.device.json): the order in which parameters are applied and
// written, which of them govern how others are held, the unit the
// unit-dependent parameters follow, the device's own rules for values, its
// line-setting parameters with the values they offer, the parameters of its
// nameplate, its status block (which plugin requests are the cyclic polls of
// it) and the names of its display LED codes. Without a file the host knows
// none of it: parameters go in address order, only their own ranges are
// checked, every CRequest::CyclicRead counts as a poll, and the nameplate is
// found under the family's names.
class LOOMWORKHOST_EXPORT CDeviceData
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)

public:
    enum LineSetting { Address, BaudRate, Parity, StopBits };
    // What identifies a device: its nameplate.
    enum IdentityField { OrderNumber, SerialNumber, SoftwareVersion };

    // A rule holds while the list parameter item has one of values (an
    // empty item: always).
    struct Condition
    {
        QString item;
        QList<int> values;
    };

    struct Rule
    {
        enum Kind {
            Within, // items lie between the values of low and high
            Above,  // items lie above other
            Rising  // items ("%1" = 1 .. value of count) rise strictly
        };
        Kind kind = Within;
        QStringList items;
        QString low;
        QString high;
        bool inSelectedUnit = false; // low and high are in the base unit
        QString other;
        QString count;
        Condition when;
    };

    // The registers the plugin polls while cyclic reading runs.
    struct StatusBlock
    {
        qint32 requestType = CRequest::CyclicRead;
        int address = -1; // -1: any start address
        int registers = 0; // 0: any number of registers
    };

    static const int FormatVersion = 1;

    // The device data file that belongs to a description file.
    static QString fileFor(const QString &descriptionFile);

    // Reads fileName; false with error set when it is damaged. Loading
    // replaces what was known.
    bool load(const QString &fileName, QString *error);
    bool parse(const QByteArray &json, QString *error);
    void clear();

    // Position of name in the write order (lower goes first).
    int rank(const QString &name) const;
    // Whether a change of name makes the device hold or bound other
    // parameters differently (unit, ranges, characteristic).
    bool governs(const QString &name) const;

    // The list parameter selecting the unit, the factor of its entry index
    // from the base unit (0 when unknown) and the parameters it converts.
    QString unitSelector() const;
    double unitFactor(int index) const;
    const QStringList &unitItems() const;

    const QList<Rule> &rules() const;

    // The parameter holding a line setting (empty when none) and the
    // setting an entry index of it stands for (invalid when unknown; the
    // address is the value itself).
    QString lineItem(LineSetting setting) const;
    QVariant lineValue(LineSetting setting, int index) const;
    // Every setting the device offers for setting, by entry index (baud
    // rates as numbers, parities as "even", "odd", "none").
    QVariantList lineValues(LineSetting setting) const;
    bool isLineItem(const QString &name) const;

    // The device's status block, and whether request is a cyclic poll of it.
    const StatusBlock &statusBlock() const;
    bool isPoll(const CRequest &request) const;

    // The parameter holding a field of the nameplate.
    QString identityItem(IdentityField field) const;

    // The name of a display LED code in language ("en", "de"); the code
    // itself when unknown.
    QString ledName(int code, const QString &language) const;
    // Number of the display frame that the plugin shows first (1 or 2).
    int firstDisplayFrame() const;
    // How many frames the display shows in turn (those the file describes;
    // one without).
    int displayFrameCount() const;

    // A top-level section of the file as read ("display", "chart", ...),
    // for the classes that interpret it; empty when absent.
    QVariantMap section(const QString &key) const;

private:
    struct LineEntry
    {
        QString item;
        QVariantList values;
    };

    bool parseOrder(const QVariant &order, QString *error);
    bool parseRules(const QVariant &rules, QString *error);
    void parseLineSettings(const QVariantMap &line);
    void parseIdentity(const QVariantMap &identity);
    void parseDisplay(const QVariantMap &display);
    bool parseStatusBlock(const QVariantMap &block, QString *error);

    QList<QStringList> m_order;
    QList<bool> m_governs;
    QString m_unitSelector;
    QList<double> m_unitFactors;
    QStringList m_unitItems;
    QList<Rule> m_rules;
    QHash<int, LineEntry> m_line;
    QHash<int, QString> m_identity;
    QHash<int, QHash<QString, QString>> m_leds;
    StatusBlock m_status;
    int m_firstFrame = 1;
    int m_frameCount = 1;
    QVariantMap m_sections;
};

#endif // CDEVICEDATA_H
