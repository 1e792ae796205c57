#ifndef CDEVICEPARAMETERS_H
#define CDEVICEPARAMETERS_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CItem;

// The device's parameters: the items built from the parameter description,
// owned by this object.
class CDeviceParameters : public QObject
{
    Q_OBJECT

public:
    explicit CDeviceParameters(QObject *parent = nullptr);

    // Loads the description file and builds its items; with a languageId,
    // the language file "<name>_<languageId>.xml" beside it translates the
    // items' texts. False with errorText() set when the file does not load.
    bool load(const QString &fileName, const QString &languageId = QString());

    // All parameter items (every item below this object, depth first).
    QList<CItem *> items() const;

    // Build problems reported by the item builder.
    QStringList problems() const { return m_problems; }
    QString errorText() const { return m_error; }
    // The order number the description's header gives the device.
    QString orderNumber() const { return m_orderNumber; }

    // The description the simulator uses without --description: the
    // installed share/loomwork/pv8120.xml or the build tree's data/pv8120.xml,
    // whichever exists first beside the program.
    static QString defaultDescriptionPath();

private:
    QStringList m_problems;
    QString m_error;
    QString m_orderNumber;
};

#endif // CDEVICEPARAMETERS_H
