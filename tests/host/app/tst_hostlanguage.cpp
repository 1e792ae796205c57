// Languages: the item texts the plugin compares translate the same way as the
// language files, in every language. (The switch itself, reaching window,
// tree and items, is checked on the main window.)
#include "cdevicesession.h"
#include "clanguagemanager.h"
#include "plugin/cloomworkplugin.h"

#include <QTest>

class TestHostLanguage : public QObject
{
    Q_OBJECT

private slots:
    void pluginRecognisesChoicesInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : CLanguageManager::languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Every entry of the lists the plugin compares must show, in the item's
    // language, exactly the host's translation of its source text (other lists
    // may translate a word differently: "keine" is "none" for the parity). The
    // backend relies on it to show the creep-suppression function for a
    // square-root characteristic and to convert limits on a unit change.
    void pluginRecognisesChoicesInEveryLanguage()
    {
        QFETCH(QString, language);
        const QString description = QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml");
        CDeviceSession session;
        QVERIFY2(session.open(description, LOOMWORK_PLUGIN_DIR), qPrintable(session.errorString()));
        CLanguageManager manager;
        manager.setItemRoot(session.root(), description);
        QVERIFY(manager.setLanguage(language));
        QSet<QString> seen;
        const QStringList compared = CLanguageManager::comparedItemTexts();
        for (const char *name : {"Kennlinie", "Schleichmengenfunktion", "Einheit"}) {
            const auto *item = session.root()->findChild<CItem *>(name);
            QVERIFY2(item, name);
            const QStringList raw = item->rawTextList().split(',');
            const QStringList shown = item->textList();
            QCOMPARE(shown.size(), raw.size());
            for (int i = 0; i < raw.size(); ++i) {
                if (!compared.contains(raw.at(i)))
                    continue;
                seen.insert(raw.at(i));
                const QString translated = QCoreApplication::translate("CItem", qPrintable(raw.at(i)));
                QVERIFY2(shown.at(i) == translated, qPrintable(QString("%1 entry %2: list shows \"%3\", not \"%4\"")
                                                                   .arg(name, raw.at(i), shown.at(i), translated)));
            }
        }
        // Each compared text occurs in the description, so the check above ran.
        QCOMPARE(seen.size(), compared.size());

        auto *characteristic = session.root()->findChild<CItem *>("Kennlinie");
        auto *creep = session.root()->findChild<CItem *>("Schleichmengenfunktion");
        auto *unit = session.root()->findChild<CItem *>("Einheit");
        auto *limit = session.root()->findChild<CItem *>("GrenzwertMaxAlarm");
        characteristic->setValue(1); // radiziert
        QVERIFY(creep->isVisible());
        characteristic->setValue(0); // linear
        QVERIFY(!creep->isVisible());
        const double before = limit->value().toDouble();
        unit->setValue(1); // Pa
        emit unit->valueEdited();
        QCOMPARE(limit->value().toDouble(), before * 100.0);
        QCOMPARE(limit->unit(), unit->valueText());
    }
};

QTEST_MAIN(TestHostLanguage)
#include "tst_hostlanguage.moc"
