#include "widgets/cmessagebox.h"
#include "widgets/cprogressdialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

enum Action { Escape, Close, EscapeThenClose };

// Acts on the modal box once its event loop runs; openAfterEscape tells
// whether Escape left the box open.
void actOnModal(Action action, bool *openAfterEscape)
{
    QTimer::singleShot(0, [action, openAfterEscape] {
        auto *box = qobject_cast<CMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (action != Action::Close) {
            QTest::keyClick(box, Qt::Key_Escape);
            *openAfterEscape = box->isVisible();
        }
        // When Escape did nothing the box is still open and must be closed.
        if (action != Action::Escape && box->isVisible())
            box->close();
    });
}

} // namespace

class tst_CMessageBox : public QObject
{
    Q_OBJECT

private slots:
    // Escape and the close button stand for one button: Cancel, the only
    // one, a reject-role one before a no-role one; without any, Escape
    // leaves the box open.
    void escapeRules_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("openAfterEscape");
        using B = QDialogButtonBox;
        QTest::newRow("yes/no escape") << int(B::Yes | B::No) << int(Escape) << int(B::No) << false;
        QTest::newRow("yes/no close") << int(B::Yes | B::No) << int(Close) << int(B::No) << false;
        QTest::newRow("ok/cancel escape") << int(B::Ok | B::Cancel) << int(Escape) << int(B::Cancel) << false;
        QTest::newRow("cancel before abort") << int(B::Abort | B::Cancel) << int(Escape) << int(B::Cancel) << false;
        QTest::newRow("ok only escape") << int(B::Ok) << int(Escape) << int(B::Ok) << false;
        QTest::newRow("ok only close") << int(B::Ok) << int(Close) << int(B::Ok) << false;
        QTest::newRow("ok/apply escape ignored") << int(B::Ok | B::Apply) << int(EscapeThenClose) << 0 << true;
        QTest::newRow("save/discard/abort") << int(B::Save | B::Discard | B::Abort) << int(Escape) << int(B::Abort)
                                            << false;
        QTest::newRow("reject role before no role") << int(B::Yes | B::No | B::Abort) << int(Escape) << int(B::Abort)
                                                    << false;
        QTest::newRow("reject role before no role, close")
            << int(B::Yes | B::No | B::Abort) << int(Close) << int(B::Abort) << false;
        QTest::newRow("no buttons") << int(B::NoButton) << int(EscapeThenClose) << 0 << true;
    }

    void escapeRules()
    {
        QFETCH(int, buttons);
        QFETCH(int, action);
        bool openAfterEscape = false;
        actOnModal(Action(action), &openAfterEscape);
        const int result = CMessageBox::information(nullptr, QStringLiteral("Title"), QStringLiteral("Text"),
                                                    QDialogButtonBox::StandardButtons(buttons));
        QTEST(result, "result");
        QTEST(openAfterEscape, "openAfterEscape");
    }

    // The static openers show their kind's picture and the caption given; icon
    // code 0 shows none, another code the picture passed.
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

    void clickedButtonWinsOverClose()
    {
        CMessageBox box(1, QStringLiteral("T"), QStringLiteral("X"), QPixmap(),
                        QDialogButtonBox::Yes | QDialogButtonBox::No);
        QTimer::singleShot(0, [&box] {
            box.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Yes)->click();
        });
        QCOMPARE(box.exec(), int(QDialogButtonBox::Yes));
        box.close();
        QCOMPARE(box.result(), int(QDialogButtonBox::Yes));
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

QTEST_MAIN(tst_CMessageBox)
#include "tst_cmessagebox.moc"
