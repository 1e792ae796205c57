#include "clanguagemanager.h"

#include "description/cparameterdescription.h"
#include "items/citem.h"
#include "loomworklogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

// The compiled translations sit in a static library; referencing the
// resource's initialiser keeps the linker from dropping it.
static void initTranslationResources()
{
    Q_INIT_RESOURCE(loomwork_i18n);
}

CLanguageManager::CLanguageManager(QObject *parent)
    : QObject(parent)
{
    initTranslationResources();
}

CLanguageManager::~CLanguageManager()
{
    for (QTranslator *translator : QList<QTranslator *>{m_pluginTranslator, m_translator} + m_qtTranslators) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QStringList CLanguageManager::languages()
{
    return {QStringLiteral("en"), QStringLiteral("de")};
}

QString CLanguageManager::nativeName(const QString &language)
{
    if (language == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (language == QLatin1String("en"))
        return QStringLiteral("English");
    return language;
}

QString CLanguageManager::systemLanguage()
{
    const QString name = QLocale::system().name().left(2);
    return languages().contains(name) ? name : QStringLiteral("en");
}

bool CLanguageManager::setLanguage(const QString &language)
{
    auto *translator = new QTranslator;
    if (!languages().contains(language)
        || !translator->load(QStringLiteral("loomwork_") + language, QStringLiteral(":/i18n"))) {
        delete translator;
        return false;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = translator;
    m_language = language;
    // Numbers follow the language too: editors, value texts and the log.
    QLocale::setDefault(locale(language));
    // Items first: widgets that retranslate on the change event then read
    // item texts that are already in the new language.
    applyToItems();
    installQtTranslation(language);
    QCoreApplication::installTranslator(m_translator);
    installPluginCatalogue();
    emit languageChanged(language);
    return true;
}

void CLanguageManager::setPluginFile(const QString &fileName)
{
    m_pluginFile = fileName;
    installPluginCatalogue();
}

QString CLanguageManager::pluginCatalogue(const QString &fileName, const QString &language)
{
    const QFileInfo plugin(fileName);
    return plugin.dir().filePath(QStringLiteral("%1_%2.qm").arg(plugin.completeBaseName(), language));
}

// Installed after the host's, so the plugin's translations of a text win.
void CLanguageManager::installPluginCatalogue()
{
    if (m_pluginTranslator) {
        QCoreApplication::removeTranslator(m_pluginTranslator);
        delete m_pluginTranslator;
        m_pluginTranslator = nullptr;
    }
    if (m_pluginFile.isEmpty() || m_language.isEmpty())
        return;
    const QString catalogue = pluginCatalogue(m_pluginFile, m_language);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(catalogue)) {
        qCInfo(lcHost) << "no plugin catalogue" << catalogue;
        return;
    }
    m_pluginTranslator = translator.release();
    QCoreApplication::installTranslator(m_pluginTranslator);
}

QLocale CLanguageManager::locale(const QString &language)
{
    QLocale result = language == QLatin1String("de") ? QLocale(QLocale::German, QLocale::Germany)
                                                     : QLocale(QLocale::English, QLocale::UnitedStates);
    // Values and addresses are read digit by digit: no thousands separators.
    result.setNumberOptions(QLocale::OmitGroupSeparator);
    return result;
}

// Qt's own texts (Yes, No, Cancel, the file dialog, the system's reasons
// why a serial port or host cannot be reached) in the same language, from
// the system's Qt translations; English needs none.
void CLanguageManager::installQtTranslation(const QString &language)
{
    for (QTranslator *translator : qAsConst(m_qtTranslators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_qtTranslators.clear();
    if (language == QLatin1String("en"))
        return;
    for (const char *catalogue : {"qtbase_", "qtserialport_"}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QLatin1String(catalogue) + language,
                              QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            continue;
        m_qtTranslators.append(translator.get());
        QCoreApplication::installTranslator(translator.release());
    }
}

QString CLanguageManager::language() const
{
    return m_language;
}

CItem::Translations CLanguageManager::itemTranslations(const QString &descriptionFile)
{
    CItem::Translations translations;
    const QFileInfo description(descriptionFile);
    for (const QString &language : languages()) {
        const QString file = description.dir().filePath(
            QStringLiteral("%1_%2.xml").arg(description.completeBaseName(), language));
        const LanguageTable table = readLanguageFile(file);
        if (!table.texts.isEmpty())
            translations.insert(language, table.texts);
    }
    return translations;
}

void CLanguageManager::setItemRoot(QObject *root, const QString &descriptionFile)
{
    m_itemRoot = root;
    if (root && !descriptionFile.isEmpty()) {
        const CItem::Translations translations = itemTranslations(descriptionFile);
        for (CItem *item : root->findChildren<CItem *>(QString(), Qt::FindDirectChildrenOnly))
            item->setTranslations(translations);
    }
    applyToItems();
}

void CLanguageManager::applyToItems() const
{
    if (!m_itemRoot || m_language.isEmpty())
        return;
    const auto items = m_itemRoot->findChildren<CItem *>(QString(), Qt::FindDirectChildrenOnly);
    for (CItem *item : items)
        item->setLanguageId(m_language);
}
