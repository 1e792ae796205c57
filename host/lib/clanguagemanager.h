#ifndef CLANGUAGEMANAGER_H
#define CLANGUAGEMANAGER_H

#include "items/citem.h"
#include "loomworkhost_global.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QTranslator;

// Switches the user-interface language at run time: installs the compiled
// translation of the host programs and the shared library, Qt's own
// translation, and the device plugin's own catalogue (its front panel and the
// item texts it compares, context "CItem"); makes the language's locale the
// default (decimal separator); and moves the item tree to the same language.
// A plugin's catalogue lies beside the plugin file: <plugin>_<language>.qm.
// Installing a translator sends QEvent::LanguageChange to every widget.
class LOOMWORKHOST_EXPORT CLanguageManager : public QObject
{
    Q_OBJECT

public:
    explicit CLanguageManager(QObject *parent = nullptr);
    ~CLanguageManager() override;

    // Language ids the host ships translations for: "en" and "de".
    static QStringList languages();
    // The name of a language in that language ("English", "Deutsch").
    static QString nativeName(const QString &language);
    // The language of the system locale when shipped, else "en".
    static QString systemLanguage();

    // Installs the translation of language (replacing the previous one),
    // switches the items below the item root, and emits languageChanged.
    // Returns false (and changes nothing) for a language without translation.
    bool setLanguage(const QString &language);
    QString language() const;
    // The locale the host uses for a language: its decimal separator, no
    // thousands separators. setLanguage makes it the default locale.
    static QLocale locale(const QString &language);

    // The items below root follow the language from now on (null: none).
    // Their texts are translated by the language files beside the device's
    // description: <description>_<language>.xml.
    void setItemRoot(QObject *root, const QString &descriptionFile = QString());
    // The device plugin whose catalogue is installed with the host's from
    // now on (empty: none); installed at once when a language is set. A
    // plugin compares item texts after translation, so this comes before the
    // plugin's init(). A plugin without a catalogue for the language keeps
    // its source texts.
    void setPluginFile(const QString &fileName);
    // The catalogue of the plugin fileName for language.
    static QString pluginCatalogue(const QString &fileName, const QString &language);
    // The item translations of every shipped language that has a language
    // file beside descriptionFile.
    static CItem::Translations itemTranslations(const QString &descriptionFile);

signals:
    void languageChanged(const QString &language);

private:
    void applyToItems() const;
    void installPluginCatalogue();
    void installQtTranslation(const QString &language);

    QString m_language;
    QString m_pluginFile;
    QTranslator *m_translator = nullptr;
    QTranslator *m_pluginTranslator = nullptr;
    QList<QTranslator *> m_qtTranslators; // Qt's own texts
    QPointer<QObject> m_itemRoot;
};

#endif // CLANGUAGEMANAGER_H
