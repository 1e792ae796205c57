#ifndef CLANGUAGEMANAGER_H
#define CLANGUAGEMANAGER_H

#include "items/citem.h"
#include "loomworkhost_global.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QTranslator;

// Switches the user-interface language at run time: installs the compiled
// translation of the host, the shared widgets, the front panel and the item
// texts ("CItem" context), and moves the item tree to the same language.
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

    // The items below root follow the language from now on (null: none).
    // Their texts are translated by the language files beside the device's
    // description: <description>_<language>.xml.
    void setItemRoot(QObject *root, const QString &descriptionFile = QString());
    // The item texts the device plugin compares after translation in the
    // context "CItem" (characteristic, creep function and unit entries).
    // The translations must give the same texts as the language files, or
    // the plugin stops recognising the user's choices.
    static QStringList comparedItemTexts();
    // The item translations of every shipped language that has a language
    // file beside descriptionFile.
    static CItem::Translations itemTranslations(const QString &descriptionFile);

signals:
    void languageChanged(const QString &language);

private:
    void applyToItems() const;

    QString m_language;
    QTranslator *m_translator = nullptr;
    QPointer<QObject> m_itemRoot;
};

#endif // CLANGUAGEMANAGER_H
