// The plugin's own catalogue agrees with the device's language files: every
// list entry the backend compares after translation (characteristic, creep
// function, unit) shows, in the item's language, exactly the catalogue's
// translation of its source text. Otherwise the plugin stops recognising the
// user's choices in that language.
#include "description/citembuilder.h"
#include "description/cparameterdescription.h"
#include "device/pv8120constants.h"
#include "device/pv8120units.h"
#include "items/citem.h"

#include <QTranslator>
#include <QtTest>

class TestPluginCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void comparedTextsMatchTheLanguageFiles_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << QStringLiteral("de");
        QTest::newRow("en") << QStringLiteral("en");
    }

    void comparedTextsMatchTheLanguageFiles()
    {
        QFETCH(QString, language);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120_%1.qm").arg(language)));
        CParameterDescription description;
        QVERIFY(description.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        const LanguageTable table =
            readLanguageFile(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120_%1.xml").arg(language));
        QVERIFY(!table.texts.isEmpty());
        QObject root;
        CItemBuilder(description).build(&root);

        QStringList compared = {QStringLiteral("linear"), QStringLiteral("radiziert"), QStringLiteral("Tabelle"),
                                QStringLiteral("keine")};
        for (const Pv8120::Unit &unit : Pv8120::units())
            compared << QString::fromLatin1(unit.text);
        QSet<QString> seen;
        for (const QString &name : {Pv8120::kennlinie, Pv8120::schleichmengenfunktion, Pv8120::einheit}) {
            auto *item = root.findChild<CItem *>(name);
            QVERIFY2(item, qPrintable(name));
            item->setTranslations({{language, table.texts}});
            item->setLanguageId(language);
            const QStringList raw = item->rawTextList().split(QLatin1Char(','));
            const QStringList shown = item->textList();
            QCOMPARE(shown.size(), raw.size());
            for (int i = 0; i < raw.size(); ++i) {
                if (!compared.contains(raw.at(i)))
                    continue;
                seen.insert(raw.at(i));
                const QString translated = catalogue.translate("CItem", qPrintable(raw.at(i)));
                QCOMPARE(shown.at(i), translated.isEmpty() ? raw.at(i) : translated);
            }
        }
        // Each compared text occurs in the description, so the check above ran.
        QCOMPARE(seen.size(), compared.size());
    }
};

QTEST_GUILESS_MAIN(TestPluginCatalogue)
#include "tst_plugincatalogue.moc"
