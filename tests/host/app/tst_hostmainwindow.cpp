// The main window against the simulator; init() gives each test the state the start-up test leaves.
#include "cconnectionbar.h"
#include "cdevicesession.h"
#include "cfrontmonitor.h"
#include "cfrontoverlay.h"
#include "chostsettings.h"
#include "clanguagemanager.h"
#include "cmainwindow.h"
#include "cnumbereditor.h"
#include "cpendingedits.h"
#include "cparametermodel.h"
#include "cparameterset.h"
#include "csimulatorprocess.h"
#include "ctransferrunner.h"
#include "cwindowstatus.h"
#include "cwritepreviewdialog.h"
#include "items/citem.h"
#include "widgets/cbasewidget.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cmessagebox.h"
#include "widgets/cpushbutton.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTableWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <csignal>

class TestHostMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CHostSettings().clear();
        CHostOptions options;
        options.pluginDirectory = QStringLiteral(LOOMWORK_PLUGIN_DIR);
        options.descriptionFile = QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml");
        options.language = QStringLiteral("en");
        options.cycleInterval = 200;
        m_window = new CMainWindow(options);
        m_window->show();
        QVERIFY(m_window->frontWidget() == nullptr);
    }

    void cleanupTestCase() { delete m_window; }

    void init()
    {
        if (QByteArray(QTest::currentTestFunction()) == "frontIsEnabledOnlyWhileConnected")
            return;
        QSignalSpy initialRead(m_window, &CMainWindow::initialReadFinished);
        if (!m_window->frontWidget())
            QVERIFY(m_window->start());
        else if (m_window->connectionBar()->state() == CModbusMaster::Disconnected)
            m_window->connectDevice();
        if (m_window->connectionBar()->state() != CModbusMaster::Connected || m_window->transfers()->isRunning())
            QVERIFY2(initialRead.wait(20000), qPrintable(m_window->logText().right(400)));
        m_window->pendingEdits()->discard();
        QVERIFY(m_window->setLanguage("en"));
        m_window->setCyclicReading(true);
        QVERIFY(readButton()->isChecked());
    }

    void frontIsEnabledOnlyWhileConnected()
    {
        QSignalSpy initialRead(m_window, &CMainWindow::initialReadFinished);
        QVERIFY(m_window->start());
        QVERIFY(m_window->frontWidget());
        QCOMPARE(m_window->frontWidget()->window(), m_window);
        QVERIFY(readButton());
        QVERIFY(!readButton()->isEnabled());
        QVERIFY(!readButton()->isChecked());
        // No number before the device has answered: the placeholder is gone.
        QCOMPARE(display()->text(), QString());
        QVERIFY(m_window->frontMonitor()->freshness() != CFrontMonitor::Live);
        QVERIFY(m_window->frontMonitor()->overlay()->isVisible());
        QVERIFY(m_window->parameterModel()->rowCount() > 0);
        // It connects by itself, reads everything and starts cyclic reading.
        QVERIFY2(!initialRead.isEmpty() || initialRead.wait(20000), qPrintable(m_window->logText()));
        QCOMPARE(QList<QVariantList>(initialRead), QList<QVariantList>{{true}});
        QCOMPARE(m_window->connectionBar()->state(), CModbusMaster::Connected);
        QVERIFY(readButton()->isEnabled());
        QVERIFY(readButton()->isChecked());
        QVERIFY(m_window->logText().contains("Simulator listening on 127.0.0.1:"));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->frontMonitor()->freshness(), CFrontMonitor::Live, 5000);
        QVERIFY(!m_window->frontMonitor()->overlay()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!display()->text().isEmpty(), 5000);
        QVERIFY(m_window->windowStatus()->cyclicText().contains("every 200 ms"));
    }

    // Stopped reading leaves no old value lit; a link that only resynchronises keeps it reading.
    void stoppedReadingVeilsTheFront()
    {
        CModbusMaster *master = m_window->session()->master();
        emit master->stateChanged(CModbusMaster::Connecting);
        QVERIFY(!readButton()->isChecked());
        emit master->stateChanged(CModbusMaster::Connected);
        QVERIFY(readButton()->isChecked());
        const QImage running = readButton()->icon().pixmap(26, QIcon::Normal, QIcon::On).toImage();
        const QImage stopped = readButton()->icon().pixmap(26, QIcon::Normal, QIcon::Off).toImage();
        QVERIFY(running != stopped);
        m_window->setCyclicReading(false);
        QCOMPARE(m_window->frontMonitor()->freshness(), CFrontMonitor::Stopped);
        QVERIFY(m_window->frontMonitor()->overlay()->isVisible());
        QVERIFY(m_window->frontMonitor()->overlay()->text().contains("not current"));
        QTRY_COMPARE_WITH_TIMEOUT(display()->text(), QString(), 2000);
        QVERIFY(m_window->windowStatus()->cyclicText().contains("off"));
        m_window->setCyclicReading(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->frontMonitor()->freshness(), CFrontMonitor::Live, 5000);
    }

    // Edits not written are counted, marked and never lost unasked.
    void pendingEditsAreAskedAbout()
    {
        CParameterModel *model = m_window->parameterModel();
        CItem *damping = item("Daempfung");
        const QVariant held = damping->value();
        QVERIFY(edit(damping, 3.0));
        QCOMPARE(m_window->pendingEdits()->count(), 1);
        QVERIFY(model->indexOf(damping, CParameterModel::CaptionColumn).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(m_window->isWindowModified());
        QCOMPARE(m_window->windowStatus()->pendingText(), QString("1 edit not written"));
        m_window->readAll();
        QVERIFY(answer(QDialogButtonBox::Cancel));
        QVERIFY(!m_window->transfers()->isRunning());
        QCOMPARE(damping->value().toDouble(), 30.0);
        QVERIFY(!m_window->close());
        QVERIFY(answer(QDialogButtonBox::Cancel));
        QVERIFY(m_window->isVisible());
        m_window->readAll();
        QVERIFY(answer(QDialogButtonBox::Discard));
        QCOMPARE(damping->value(), held);
        QCOMPARE(m_window->pendingEdits()->count(), 0);
        QVERIFY(!m_window->isWindowModified());
        QVERIFY(m_window->transfers()->isRunning());
        QVERIFY(m_window->transfers()->progress());
        QTRY_VERIFY_WITH_TIMEOUT(m_window->transfers()->progress()->labelText().contains("Reading parameter"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->transfers()->isRunning(), 10000);
    }

    void unitEditIsConvertedPreviewedAndWritten()
    {
        CParameterModel *model = m_window->parameterModel();
        CItem *unit = item("Einheit");
        CItem *limit = item("GrenzwertMaxAlarm");
        QCOMPARE(valueText("Einheit"), QString("mbar"));
        const double mbar = limit->value().toDouble();
        QVERIFY(edit(unit, 1));
        QCOMPARE(valueText("Einheit"), QString("Pa"));
        QCOMPARE(model->indexOf(limit, CParameterModel::UnitColumn).data().toString(), QString("Pa"));
        QCOMPARE(valueText("GrenzwertMaxAlarm"), limit->valueText(mbar * 100.0));

        QCOMPARE(model->valueState(unit), CParameterModel::Pending);
        QCOMPARE(model->valueState(limit), CParameterModel::Pending);
        QCOMPARE(model->valueState(item("Daempfung")), CParameterModel::Unmarked);
        QVERIFY(model->indexOf(unit, CParameterModel::ValueColumn).data(Qt::FontRole).value<QFont>().bold());
        m_window->writeModified();
        CWritePreviewDialog *preview = m_window->transfers()->preview();
        QVERIFY(preview);
        QCOMPARE(rowTexts(preview, "Einheit"), QStringList({"mbar", "Pa", ""}));
        QCOMPARE(rowTexts(preview, "GrenzwertMaxAlarm"), QStringList({"200 mbar", "20000", "Pa"}));
        QVERIFY(preview->lineWarning()->isHidden());
        QVERIFY(writeConfirmed(preview));
        QCOMPARE(model->valueState(unit), CParameterModel::Unmarked);
        QCOMPARE(model->valueState(limit), CParameterModel::Unmarked);
    }

    void writeAgainstTheRulesIsRefused()
    {
        CItem *min = item("GrenzwertMinAlarm");
        const CItem *max = item("GrenzwertMaxAlarm");
        const QVariant held = min->value();
        const double aboveMax = max->value().toDouble() / max->decimalFactor() + 1.0;
        QVERIFY(edit(min, aboveMax));
        m_window->writeModified();
        QVERIFY(!m_window->transfers()->preview());
        const QString log = m_window->logText().right(400);
        QVERIFY2(log.contains("(GrenzwertMaxAlarm): ") && log.contains("is not above") && log.contains("(GrenzwertMinAlarm)"),
                 qPrintable(log));
        QCOMPARE(m_window->parameterModel()->valueState(min), CParameterModel::Pending);
        QVERIFY(edit(min, held.toDouble()));
        QCOMPARE(m_window->parameterModel()->valueState(min), CParameterModel::Unmarked);
    }

    // Parameters one rule bounds against each other go in one request: the
    // preview also lists those sent along, unchanged.
    void companionsArePreviewed()
    {
        CItem *max = item("GrenzwertMaxAlarm");
        QVERIFY(edit(max, max->value().toDouble() / max->decimalFactor() - 1.0));
        m_window->writeModified();
        CWritePreviewDialog *preview = m_window->transfers()->preview();
        QVERIFY(preview);
        for (const char *name : {"GrenzwertMaxHysterese", "GrenzwertMinAlarm"}) {
            const QStringList row = rowTexts(preview, name);
            QVERIFY2(!row.isEmpty() && row.at(0) == row.at(1), name);
        }
        QCOMPARE(preview->changedCount(), 1);
        preview->reject();
    }

    // A new device address: the preview warns, the window offers to reconnect with it.
    void lineSettingChangeOffersReconnect()
    {
        QVERIFY(edit(item("ModbusAdresse"), 5.0));
        m_window->writeModified();
        CWritePreviewDialog *preview = m_window->transfers()->preview();
        QVERIFY(preview);
        QVERIFY(!preview->lineWarning()->isHidden());
        QVERIFY2(preview->lineWarning()->text().contains("(ModbusAdresse): 1 -> 5"),
                 qPrintable(preview->lineWarning()->text()));
        QVERIFY(writeConfirmed(preview));
        auto *question = m_window->findChild<CMessageBox *>("ReconnectQuestion");
        QVERIFY(question);
        QSignalSpy initialRead(m_window, &CMainWindow::initialReadFinished);
        question->done(QDialogButtonBox::Yes);
        QVERIFY(initialRead.wait(20000));
        QCOMPARE(m_window->session()->master()->settings().serverAddress, 5);
        QCOMPARE(m_window->connectionBar()->settings().serverAddress, 5);
        QVERIFY(readButton()->isChecked());
    }

    // A set's problems are named; nothing changes unless the user applies the rest.
    void setWithProblemsIsRefused()
    {
        const QString file = m_dir.filePath("problems.json");
        CParameterSet set = CParameterSet::fromItems(m_window->session()->root());
        set.orderNumber = "8120-0001";
        const QMap<QString, QVariant> changed{{"GrenzwertMaxAlarm", 99999}, {"Daempfung", 55}};
        for (auto &entry : set.values)
            entry.second = changed.value(entry.first, entry.second);
        set.values.append({"Nichts", 1});
        QVERIFY(set.save(file));
        const QVariant limit = item("GrenzwertMaxAlarm")->value();
        const QVariant damping = item("Daempfung")->value();
        QVERIFY(!m_window->loadParameterSet(file));
        auto *box = m_window->findChild<CMessageBox *>("SetProblems");
        QVERIFY(box);
        QVERIFY2(box->text().contains("Nichts: the device has no such parameter")
                     && box->text().contains("(GrenzwertMaxAlarm): 99999 ") && box->text().contains(" is outside"),
                 qPrintable(box->text()));
        QCOMPARE(item("Daempfung")->value(), damping);
        box->done(QDialogButtonBox::Yes);
        QCOMPARE(item("Daempfung")->value().toInt(), 55);
        QCOMPARE(item("GrenzwertMaxAlarm")->value(), limit);
    }

    void languageSwitchReachesWindowTreeAndItems()
    {
        const QString english = item("GrenzwertMaxAlarm")->caption();
        QVERIFY(m_window->setLanguage("de"));
        QVERIFY(!m_window->setLanguage("fr"));
        QCOMPARE(QCoreApplication::translate("CItem", "On"), QString("Ein"));
        // Qt's own buttons speak the same language.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
        QCOMPARE(QLocale().decimalPoint(), QChar(','));
        QCOMPARE(m_window->windowTitle().remove("[*]"), QString("Loomwork-Host"));
        QCOMPARE(m_window->tree()->model()->headerData(CParameterModel::ValueColumn, Qt::Horizontal).toString(),
                 QString("Wert"));
        QVERIFY(item("GrenzwertMaxAlarm")->caption() != english);
        QCOMPARE(m_window->parameterModel()->indexOf(item("GrenzwertMaxAlarm")).data().toString(),
                 item("GrenzwertMaxAlarm")->caption());
        QCOMPARE(readButton()->toolTip(), QString("Zyklisches Lesen stoppen"));
        QCOMPARE(m_window->connectionBar()->stateText(), QString("Verbunden"));

        QVERIFY(m_window->setLanguage("en"));
        QCOMPARE(QLocale().decimalPoint(), QChar('.'));
        QCOMPARE(item("GrenzwertMaxAlarm")->caption(), english);
        QCOMPARE(m_window->connectionBar()->stateText(), QString("Connected"));
    }

    void refusedCycleIntervalIsSaid()
    {
        CNumberEditor *field = m_window->cycleIntervalField();
        field->findChild<QLineEdit *>()->setText("5");
        QVERIFY(!field->isAcceptable());
        emit field->editingFinished();
        QCOMPARE(int(field->value()), 200);
        QVERIFY2(m_window->logText().contains("5 is outside the allowed range 100 ms to 60000 ms"),
                 qPrintable(m_window->logText().right(300)));
    }

    // At 1024 x 700 every column is in view; the geometry comes back in the next window.
    void columnsFitASmallWindow()
    {
        m_window->resize(1024, 700);
        QTRY_COMPARE(m_window->size(), QSize(1024, 700));
        m_window->saveWindowState();
        QCOMPARE(CMainWindow(CHostOptions{}).size(), QSize(1024, 700));
        QTreeView *tree = m_window->tree();
        QHeaderView *header = tree->header();
        QTRY_VERIFY(header->sectionViewportPosition(CParameterModel::UnitColumn)
                        + header->sectionSize(CParameterModel::UnitColumn)
                    <= tree->viewport()->width());
        QVERIFY(header->sectionSize(CParameterModel::UnitColumn) >= tree->fontMetrics().horizontalAdvance("mbar"));
        QVERIFY(header->sectionSize(CParameterModel::CaptionColumn) > 100);
        // Whatever the link and the language, the window fits 1024 pixels and keeps its width.
        const CConnectionBar::Link link = m_window->connectionBar()->link();
        for (const char *language : {"de", "en"}) {
            QVERIFY(m_window->setLanguage(language));
            for (CConnectionBar::Link shown : {CConnectionBar::SimulatorLink, CConnectionBar::TcpLink,
                                               CConnectionBar::RtuLink}) {
                m_window->connectionBar()->setLink(shown);
                QCoreApplication::processEvents();
                QCOMPARE(m_window->width(), 1024);
                QVERIFY2(m_window->minimumSizeHint().width() <= 1024,
                         qPrintable(QStringLiteral("%1, link %2: %3 pixels")
                                        .arg(language).arg(shown).arg(m_window->minimumSizeHint().width())));
            }
        }
        m_window->connectionBar()->setLink(link);
    }

    void simulatorEndIsSaidAndConnectRestartsIt()
    {
        const qint64 pid = m_window->simulator()->processId();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->connectionBar()->state(), CModbusMaster::Disconnected, 5000);
        QVERIFY2(m_window->connectionBar()->stateText().contains("simulator has ended"),
                 qPrintable(m_window->connectionBar()->stateText()));
        QCOMPARE(m_window->frontMonitor()->freshness(), CFrontMonitor::NotConnected);
        QSignalSpy initialRead(m_window, &CMainWindow::initialReadFinished);
        m_window->connectDevice();
        QVERIFY(initialRead.wait(20000));
        QCOMPARE(initialRead.first().first().toBool(), true);
        QVERIFY(m_window->simulator()->processId() != pid);
        QCOMPARE(m_window->connectionBar()->state(), CModbusMaster::Connected);
    }

    void disconnectWritesTheEditFirst()
    {
        CItem *damping = item("Daempfung");
        QVERIFY(edit(damping, 2.0));
        m_window->disconnectDevice();
        QVERIFY(answer(QDialogButtonBox::Save));
        CWritePreviewDialog *preview = m_window->transfers()->preview();
        QVERIFY(preview);
        preview->accept();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->connectionBar()->state(), CModbusMaster::Disconnected, 10000);
        QCOMPARE(m_window->pendingEdits()->count(), 0);
        QCOMPARE(damping->value().toDouble(), 20.0);
        QVERIFY(!readButton()->isEnabled());
        QVERIFY(!readButton()->isChecked());
        QCOMPARE(m_window->frontMonitor()->freshness(), CFrontMonitor::NotConnected);
        // The plugin may show its last frames a moment longer, under the veil.
        QVERIFY(m_window->frontMonitor()->overlay()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(display()->text(), QString(), 2000);
    }

    void pluginRecognisesChoicesInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : CLanguageManager::languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Through the plugin's catalogue the backend recognises choices in every language.
    void pluginRecognisesChoicesInEveryLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(m_window->setLanguage(language));
        CItem *characteristic = item("Kennlinie");
        CItem *unit = item("Einheit");
        const CItem *limit = item("GrenzwertMaxAlarm");
        characteristic->setValue(1); // radiziert
        QVERIFY(item("Schleichmengenfunktion")->isVisible());
        characteristic->setValue(0); // linear
        QVERIFY(!item("Schleichmengenfunktion")->isVisible());
        const double before = limit->value().toDouble();
        QVERIFY(edit(unit, 1)); // Pa
        QCOMPARE(limit->value().toDouble(), before * 100.0);
        QCOMPARE(limit->unit(), unit->valueText());
    }

private:
    // Answers the question about edits not written.
    bool answer(QDialogButtonBox::StandardButton button)
    {
        CMessageBox *question = m_window->pendingEdits()->question();
        if (!question)
            return false;
        question->done(button);
        return true;
    }
    // Edits the item's value in the tree as the user does.
    bool edit(CItem *item, const QVariant &value) const
    {
        CParameterModel *model = m_window->parameterModel();
        return model->setData(model->indexOf(item, CParameterModel::ValueColumn), value);
    }
    // Confirms the write preview; true when the write then succeeded.
    bool writeConfirmed(CWritePreviewDialog *preview) const
    {
        QSignalSpy written(m_window->transfers(), &CTransferRunner::writeFinished);
        preview->accept();
        return written.wait(10000) && written.first().first().toBool();
    }
    QLabel *display() const { return m_window->frontWidget()->findChild<QLabel *>("l_lcd"); }
    CPushButton *readButton() const
    {
        const auto *bar = m_window->frontWidget()->findChild<CButtonBar *>();
        return bar ? bar->button(CPushButton::CyclicRead) : nullptr;
    }
    CItem *item(const char *name) const { return m_window->session()->root()->findChild<CItem *>(name); }
    // Device value, new value and unit of a preview row.
    static QStringList rowTexts(CWritePreviewDialog *preview, const QString &name)
    {
        QTableWidget *table = preview->table();
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, CWritePreviewDialog::ParameterColumn)->text().endsWith("(" + name + ")"))
                return {table->item(row, CWritePreviewDialog::DeviceColumn)->text(),
                        table->item(row, CWritePreviewDialog::NewColumn)->text(),
                        table->item(row, CWritePreviewDialog::UnitColumn)->text()};
        }
        return {};
    }
    QString valueText(const char *name) const
    {
        return m_window->parameterModel()->indexOf(item(name), CParameterModel::ValueColumn).data().toString();
    }

    QTemporaryDir m_dir;
    CMainWindow *m_window = nullptr;
};

QTEST_MAIN(TestHostMainWindow)
#include "tst_hostmainwindow.moc"
