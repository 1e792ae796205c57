#ifndef CFOREIGNPLUGIN_H
#define CFOREIGNPLUGIN_H

#include <QObject>

// A Qt plugin of another interface: the host must refuse it.
class CForeignPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.other.plugin")

public:
    using QObject::QObject;
};

#endif // CFOREIGNPLUGIN_H
