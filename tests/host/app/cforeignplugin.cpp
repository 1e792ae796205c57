#include "cforeignplugin.h"

CForeignPlugin::CForeignPlugin(QObject *parent)
    : QObject(parent)
{
}
