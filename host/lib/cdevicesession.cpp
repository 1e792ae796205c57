#include "cdevicesession.h"

#include "cdeviceconnection.h"
#include "cdevicedata.h"
#include "chosttr.h"
#include "clanguagemanager.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "cpluginregistry.h"
#include "description/citembuilder.h"
#include "description/cparameterdescription.h"
#include "items/cinstalllayout.h"
#include "items/citem.h"
#include "loomworklogging.h"
#include "plugin/cloomworkplugin.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPort>

namespace {

constexpr bool sameCode(qint32 plugin, qint32 qt)
{
    return plugin == qt;
}

// A plugin's line settings become the link's as they are.
static_assert(sameCode(LineSettings::NoParity, QSerialPort::NoParity)
                  && sameCode(LineSettings::EvenParity, QSerialPort::EvenParity)
                  && sameCode(LineSettings::OddParity, QSerialPort::OddParity)
                  && sameCode(LineSettings::SpaceParity, QSerialPort::SpaceParity)
                  && sameCode(LineSettings::MarkParity, QSerialPort::MarkParity),
              "plugin parity codes are Qt's");
static_assert(sameCode(LineSettings::NoFlowControl, QSerialPort::NoFlowControl)
                  && sameCode(LineSettings::HardwareControl, QSerialPort::HardwareControl)
                  && sameCode(LineSettings::SoftwareControl, QSerialPort::SoftwareControl),
              "plugin flow-control codes are Qt's");
static_assert(sameCode(LineSettings::OneStop, QSerialPort::OneStop)
                  && sameCode(LineSettings::OneAndHalfStop, QSerialPort::OneAndHalfStop)
                  && sameCode(LineSettings::TwoStop, QSerialPort::TwoStop),
              "plugin stop-bit codes are Qt's");

} // namespace

CDeviceSession::CDeviceSession(QObject *parent)
    : QObject(parent)
    , m_root(new QObject(this))
    , m_master(new CModbusMaster(m_root))
    , m_parameters(new CParameterTransfer(m_master, m_root))
    , m_registry(new CPluginRegistry(this))
    , m_connection(new CDeviceConnection(m_master, this))
    , m_data(std::make_unique<CDeviceData>())
{
    m_root->setObjectName(QStringLiteral("Device"));
    // What counts as a poll is the device's, from its data file.
    const CDeviceData *data = m_data.get();
    m_master->setPollFilter([data](const CRequest &request) { return data->isPoll(request); });
    m_parameters->setDeviceData(m_data.get());
}

CDeviceSession::~CDeviceSession()
{
    // Items, backend and host objects go before the plugin library.
    delete m_root;
    m_root = nullptr;
}

bool CDeviceSession::setError(const QString &text)
{
    m_error = text;
    return false;
}

void CDeviceSession::setLanguageManager(CLanguageManager *manager)
{
    m_language = manager;
}

bool CDeviceSession::loadDescription(const QString &fileName)
{
    CParameterDescription description;
    const QString dataFile = CDeviceData::fileFor(fileName);
    QString dataError;
    m_data->clear();
    if (QFileInfo::exists(dataFile) && !m_data->load(dataFile, &dataError))
        return setError(CHostTr::tr("Device data file %1").arg(dataError));
    qCInfo(lcDescription) << "device data file" << dataFile << (QFileInfo::exists(dataFile) ? "read" : "absent");
    if (!QFileInfo::exists(fileName))
        return setError(CHostTr::tr("Description file %1 does not exist").arg(fileName));
    if (!description.load(fileName))
        return setError(CHostTr::tr("Description file %1 cannot be read: %2").arg(fileName, description.errorString()));
    // A new description replaces the items of an earlier one; the plugin
    // then binds to the new tree.
    qDeleteAll(m_root->findChildren<CItem *>(QString(), Qt::FindDirectChildrenOnly));
    CItemBuilder builder(description);
    builder.build(m_root);
    m_problems = builder.problems();
    m_header = description.header();
    if (m_language)
        m_language->setItemRoot(m_root, fileName);
    m_parameters->collectItems(m_root);
    qCInfo(lcDescription) << "description" << fileName << "of" << m_header.projectName << m_header.orderNumber
                          << "built" << m_parameters->items().size() << "parameters";
    for (const QString &problem : qAsConst(m_problems))
        qCInfo(lcDescription).noquote() << "description problem:" << problem;
    if (m_parameters->items().isEmpty())
        return setError(CHostTr::tr("Description file %1 describes no device registers").arg(fileName));
    if (m_plugin)
        m_plugin->init(m_root);
    return true;
}

bool CDeviceSession::loadPlugin(const QString &directory, const QString &wanted)
{
    const QString identification = wanted.isEmpty() ? m_header.orderNumber : wanted;
    m_registry->load(directory);
    CLoomworkPlugin *plugin = m_registry->pluginFor(identification);
    if (!plugin) {
        QString text = CHostTr::tr("No plugin in %1 supports the device %2").arg(directory, identification);
        for (const QString &refused : m_registry->errors())
            text += QLatin1Char('\n') + CHostTr::tr("Refused: %1").arg(refused);
        return setError(text);
    }
    m_plugin = plugin;
    CLinkSettings settings = m_master->settings();
    const LineSettings line = plugin->defaultLineSettings();
    settings.baudRate = line.baudRate;
    settings.parity = line.parity;
    settings.flowControl = line.flowControl;
    settings.dataBits = line.dataBits;
    settings.stopBits = line.stopBits;
    m_master->setSettings(settings);
    if (m_language)
        m_language->setPluginFile(pluginFile());
    plugin->init(m_root);
    qCInfo(lcHost) << "device" << identification << "served by" << plugin->modelName();
    return true;
}

bool CDeviceSession::open(const QString &descriptionFile, const QString &pluginDirectory,
                          const QString &identification)
{
    return loadDescription(descriptionFile) && loadPlugin(pluginDirectory, identification);
}

QString CDeviceSession::errorString() const
{
    return m_error;
}

QStringList CDeviceSession::problems() const
{
    return m_problems;
}

QObject *CDeviceSession::root() const
{
    return m_root;
}

const DescriptionHeader &CDeviceSession::header() const
{
    return m_header;
}

CPluginRegistry *CDeviceSession::registry() const
{
    return m_registry;
}

QString CDeviceSession::pluginFile() const
{
    return m_registry->fileNameOf(m_plugin);
}

CModbusMaster *CDeviceSession::master() const
{
    return m_master;
}

CDeviceConnection *CDeviceSession::connection() const
{
    return m_connection;
}

CParameterTransfer *CDeviceSession::parameters() const
{
    return m_parameters;
}

CLoomworkPlugin *CDeviceSession::plugin() const
{
    return m_plugin;
}

const CDeviceData &CDeviceSession::deviceData() const
{
    return *m_data;
}

QObject *CDeviceSession::backend() const
{
    if (!m_plugin)
        return nullptr;
    return m_root->findChild<QObject *>(QStringLiteral("%1_Backend").arg(m_plugin->modelName()));
}

bool CDeviceSession::requestPoll() const
{
    QObject *polling = backend();
    return polling && QMetaObject::invokeMethod(polling, "cyclicTimeout");
}

QString CDeviceSession::defaultDescriptionFile()
{
    return CInstallLayout::dataFile(QStringLiteral(LOOMWORK_DEFAULT_DESCRIPTION));
}

QString CDeviceSession::defaultPluginDirectory()
{
    return CPluginRegistry::defaultDirectory();
}
