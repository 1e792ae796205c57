#include "widgets/cbasewidget.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cmessagebox.h"
#include "widgets/cprogressdialog.h"
#include "widgets/cpushbutton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

QTimer *barTimer(const CButtonBar &bar) { return bar.findChild<QTimer *>(); }

CPushButton *addButton(CButtonBar &bar, int type, bool checkable = false)
{
    auto *button = new CPushButton;
    button->setType(type);
    button->setCheckable(checkable);
    button->setEnabled(true);
    bar.addButton(button);
    return button;
}

enum Action { Escape, Close, EscapeThenClose, ClickYesThenClose };

} // namespace

class tst_Widgets : public QObject
{
    Q_OBJECT

private slots:
    void wiringByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("writes");
        QTest::addColumn<bool>("timerRuns");
        QTest::newRow("single read") << 1 << false << 1 << 0 << false;
        QTest::newRow("cyclic read") << 2 << true << 1 << 0 << true;
        QTest::newRow("single write 3") << 3 << false << 0 << 1 << false;
        QTest::newRow("cyclic write 4") << 4 << true << 0 << 1 << true;
        QTest::newRow("single write 5") << 5 << false << 0 << 1 << false;
        QTest::newRow("cyclic write 6") << 6 << true << 0 << 1 << true;
        QTest::newRow("plain 0") << 0 << true << 0 << 0 << false;
    }

    void wiringByType()
    {
        QFETCH(int, type);
        QFETCH(bool, checkable);
        CButtonBar bar;
        CPushButton *button = addButton(bar, type, checkable);
        QSignalSpy reads(&bar, &CButtonBar::readTriggered);
        QSignalSpy writes(&bar, &CButtonBar::writeTriggered);
        button->click();
        QTEST(reads.count(), "reads");
        QTEST(writes.count(), "writes");
        QTEST(barTimer(bar)->isActive(), "timerRuns");
        if (checkable) {
            button->click();
            QVERIFY(!barTimer(bar)->isActive());
        }
    }

    // Cyclic buttons share one timer: a tick emits per wiring, unchecking either stops it; intervals apply on start.
    void oneTimerServesAllCyclicButtons()
    {
        CButtonBar bar;
        CPushButton *read = addButton(bar, 2, true);
        CPushButton *write = addButton(bar, 4, true);
        QSignalSpy reads(&bar, &CButtonBar::readTriggered);
        QSignalSpy writes(&bar, &CButtonBar::writeTriggered);
        write->setChecked(true);
        QMetaObject::invokeMethod(barTimer(bar), "timeout");
        QCOMPARE(QList<int>({reads.count(), writes.count()}), QList<int>({1, 2}));
        bar.setInterval(40);
        QCOMPARE(barTimer(bar)->interval(), 1000);
        read->setChecked(true);
        read->setChecked(false);
        QVERIFY(!barTimer(bar)->isActive());
        read->setChecked(true);
        QCOMPARE(reads.count(), 3);
        QCOMPARE(barTimer(bar)->interval(), 40);
        QTRY_VERIFY_WITH_TIMEOUT(reads.count() >= 5, 10000);
    }

    void buttonsKeepInsertionOrder()
    {
        CButtonBar bar;
        QCOMPARE(bar.objectName(), QStringLiteral("ButtonBar")); // how fronts find their bar
        bar.addButton(nullptr);
        bar.addItem(nullptr);
        CPushButton *a = addButton(bar, 4, true);
        CPushButton *b = addButton(bar, 4, true);
        auto *label = new QLabel(QStringLiteral("between"), &bar);
        bar.addItem(new QWidgetItem(label));
        CPushButton *c = addButton(bar, 1);
        QCOMPARE(bar.buttons(), (QList<CPushButton *>{a, b, c}));
        QLayout *layout = bar.layout();
        QCOMPARE(layout->count(), 5);
        QCOMPARE(layout->indexOf(label), 2);
        QVERIFY(layout->itemAt(4)->spacerItem());
        QCOMPARE(bar.button(4), a); // the first of its type
        QCOMPARE(bar.button(2), nullptr);
    }

    // Disabling the buttons leaves the bar itself enabled, also when reached through a base widget.
    void baseWidgetReachesNestedBars()
    {
        CBaseWidget widget;
        widget.setObjectName(QStringLiteral("SomeDevice"));
        auto *bar = new CButtonBar(new QWidget(new QWidget(&widget)));
        bar->setObjectName(QStringLiteral("renamed"));
        CPushButton *button = addButton(*bar, 2, true);
        CPushButton *single = addButton(*bar, 1);
        widget.setCycleInterval(500);
        button->setChecked(true);
        QCOMPARE(barTimer(*bar)->interval(), 500);
        widget.setButtonsEnabled(false);
        QVERIFY(!button->isEnabled() && !single->isEnabled());
        QVERIFY(bar->isEnabled());
        bar->setEnabled(true);
        QVERIFY(button->isEnabled() && single->isEnabled());
        QCOMPARE(widget.deviceName(), QStringLiteral("SomeDevice"));
    }

    // Escape and the close button stand for one button: Cancel, the only one, a reject-role one before a
    // no-role one; without any, Escape leaves the box open. A clicked button wins over a later close.
    void escapeRules_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("result"); // 0: Escape left the box open
        using B = QDialogButtonBox;
        QTest::newRow("yes/no escape") << int(B::Yes | B::No) << int(Escape) << int(B::No);
        QTest::newRow("cancel before abort") << int(B::Abort | B::Cancel) << int(Escape) << int(B::Cancel);
        QTest::newRow("ok only escape") << int(B::Ok) << int(Escape) << int(B::Ok);
        QTest::newRow("ok/apply escape ignored") << int(B::Ok | B::Apply) << int(EscapeThenClose) << 0;
        QTest::newRow("save/discard/abort") << int(B::Save | B::Discard | B::Abort) << int(Escape) << int(B::Abort);
        QTest::newRow("reject role before no role") << int(B::Yes | B::No | B::Abort) << int(Escape) << int(B::Abort);
        QTest::newRow("reject role before no role, close")
            << int(B::Yes | B::No | B::Abort) << int(Close) << int(B::Abort);
        QTest::newRow("no buttons") << int(B::NoButton) << int(EscapeThenClose) << 0;
        QTest::newRow("clicked button wins over close") << int(B::Yes | B::No) << int(ClickYesThenClose) << int(B::Yes);
    }

    void escapeRules()
    {
        QFETCH(int, buttons);
        QFETCH(int, action);
        bool openAfterEscape = false;
        // Acts on the modal box once its event loop runs.
        QTimer::singleShot(0, [action, &openAfterEscape] {
            auto *box = qobject_cast<CMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (action == ClickYesThenClose) {
                box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Yes)->click();
            } else if (action != Close) {
                QTest::keyClick(box, Qt::Key_Escape);
                openAfterEscape = box->isVisible();
            }
            if (action != Escape)
                box->close();
        });
        const int result = CMessageBox::information(nullptr, QStringLiteral("Title"), QStringLiteral("Text"),
                                                    QDialogButtonBox::StandardButtons(buttons));
        QTEST(result, "result");
        QCOMPARE(openAfterEscape, result == 0);
    }

    // The static openers show their kind's picture and the caption; icon code 0 shows none, another the picture.
    void pictures()
    {
        const QImage expected = QPixmap(QStringLiteral(":/svg-icons/icon_warnung.svg")).toImage();
        QVERIFY(!expected.isNull());
        QImage shown;
        QString title;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<CMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->iconPixmap().toImage();
            title = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(CMessageBox::warning(nullptr, QStringLiteral("Caption"), QStringLiteral("Text"), QDialogButtonBox::Ok),
                 int(QDialogButtonBox::Ok));
        QCOMPARE(title, QStringLiteral("Caption"));
        QCOMPARE(shown, expected);
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        CMessageBox none(0, QString(), QStringLiteral("Text"), picture, QDialogButtonBox::Ok);
        QVERIFY(none.iconPixmap().isNull());
        CMessageBox withIcon(2, QString(), QString(), picture, QDialogButtonBox::Ok);
        QCOMPARE(withIcon.iconPixmap().size(), QSize(16, 16));
        QVERIFY(withIcon.isModal());
        QVERIFY(withIcon.windowFlags() & Qt::WindowCloseButtonHint);
    }

    void progressTexts()
    {
        CProgressDialog dialog;
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        dialog.show();
        auto *range = dialog.findChild<QLabel *>(QStringLiteral("l_range"));
        QVERIFY(range);
        dialog.setRange(0, 250);
        QVERIFY(!range->isVisible());
        dialog.setRangeVisible(true);
        QVERIFY(range->isVisible());
        QCOMPARE(range->text(), QStringLiteral("0 of 250"));
        dialog.setProgress(17);
        QCOMPARE(range->text(), QStringLiteral("17 of 250"));
        QCOMPARE(dialog.findChild<QProgressBar *>(QStringLiteral("pb_progress"))->value(), 17);
        // A language change puts back the untranslated pattern until the next progress.
        dialog.setRange(5, 9);
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&dialog, &change);
        QCOMPARE(range->text(), QStringLiteral("%1 of %2"));
        dialog.setProgress(6);
        QCOMPARE(range->text(), QStringLiteral("6 of 9"));
    }
};

QTEST_MAIN(tst_Widgets)
#include "tst_widgets.moc"
