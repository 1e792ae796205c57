#ifndef CTESTHOSTTREE_H
#define CTESTHOSTTREE_H

#include "items/citem.h"

#include <QObject>
#include <QString>

#include <memory>

class CTestModbusMaster;
class CTestParameter;

// The PV 8120's object tree as a host builds it: every parameter item in an object container and
// groups, with realistic types, factors, ranges and text lists, and the host objects "Parameter" and
// "ModbusMaster". Optional padding items sit before, between and after the device groups.
class CTestHostTree
{
public:
    // padding: number of extra items; half of them precede the device object.
    explicit CTestHostTree(int padding = 0);
    ~CTestHostTree();

    // The object to hand to the plugin's init(); owns everything.
    QObject *root() const { return m_root.get(); }
    // The item with exactly this object name, or null.
    CItem *item(const QString &name) const { return m_root->findChild<CItem *>(name); }
    CTestModbusMaster *master() const { return m_master; }
    CTestParameter *parameter() const { return m_parameter; }
    // Number of CItems below root (groups included).
    int itemCount() const { return m_root->findChildren<CItem *>().size(); }

    // Selects the entry with this text of a list item; false if there is none.
    static bool selectText(CItem *item, const QString &text);

private:
    void addPadding(QObject *parent, int count);
    void buildDevice(QObject *device, int paddingPerGroup);

    std::unique_ptr<QObject> m_root;
    CTestModbusMaster *m_master = nullptr;
    CTestParameter *m_parameter = nullptr;
    int m_padded = 0;
};

#endif // CTESTHOSTTREE_H
