#include "csetactions.h"

#include "ccomparedialog.h"
#include "cdevicesession.h"
#include "chostapptr.h"
#include "cmodbusmaster.h"
#include "cparameterset.h"
#include "cparametertransfer.h"
#include "csetrestore.h"
#include "ctransferrunner.h"
#include "widgets/cmessagebox.h"

#include <QFileDialog>

CSetActions::CSetActions(CDeviceSession *session, CTransferRunner *transfers, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_transfers(transfers)
    , m_window(window)
{
}

bool CSetActions::save(const QString &fileName, const QString &model, const DescriptionHeader &header)
{
    if (fileName.isEmpty())
        return false;
    CParameterSet set = CParameterSet::fromItems(m_session->root());
    set.model = model;
    set.orderNumber = header.orderNumber;
    set.parameterVersion = header.parameterVersion;
    QString error;
    if (!set.save(fileName, &error)) {
        emit errorMessage(CHostAppTr::tr("Save parameter set"), CHostAppTr::tr("%1: %2").arg(fileName, error));
        return false;
    }
    emit logMessage(CHostAppTr::tr("Saved %n value(s) to %1", nullptr, set.values.size()).arg(fileName));
    return true;
}

bool CSetActions::load(const QString &fileName, const QString &orderNumber)
{
    if (fileName.isEmpty())
        return false;
    auto set = std::make_shared<CParameterSet>();
    QString error;
    if (!set->load(fileName, &error)) {
        emit errorMessage(CHostAppTr::tr("Open parameter set"), CHostAppTr::tr("%1: %2").arg(fileName, error));
        return false;
    }
    const CSetRestore restore(m_session->root(), m_session->parameters(), orderNumber);
    const CParameterProblems problems = restore.check(*set);
    if (!problems.isEmpty()) {
        offerRestOfSet(set, fileName, orderNumber, problems);
        return false;
    }
    restore.apply(*set);
    const int differing = m_session->parameters()->modifiedItems().size();
    emit logMessage(CHostAppTr::tr("Loaded %1: %n value(s) differ from the device; write them with Write modified.",
                                   nullptr, differing)
                        .arg(fileName));
    return true;
}

// Names every offending entry; when the rest is usable, the user may apply it.
void CSetActions::offerRestOfSet(const std::shared_ptr<CParameterSet> &set, const QString &fileName,
                                 const QString &orderNumber, const CParameterProblems &problems)
{
    QStringList texts;
    for (const CParameterProblem &problem : problems)
        texts << problem.text;
    const bool usable = CSetRestore::restIsUsable(problems);
    const QString text
        = CHostAppTr::tr("%1 cannot be applied as it is:\n%2").arg(fileName, texts.join(QLatin1Char('\n')));
    emit logMessage(text);
    const int icon = usable ? CMessageBox::Question : CMessageBox::Critical;
    auto *box = new CMessageBox(icon, CHostAppTr::tr("Open parameter set"),
                                usable ? CHostAppTr::tr("%1\n\nApply the other values?").arg(text) : text,
                                QPixmap(CMessageBox::iconPicture(icon)),
                                usable ? QDialogButtonBox::Yes | QDialogButtonBox::No : QDialogButtonBox::Ok, m_window);
    box->setObjectName(QStringLiteral("SetProblems"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::finished, this, [this, set, orderNumber, fileName, problems](int button) {
        if (button != QDialogButtonBox::Yes)
            return;
        const CSetRestore restore(m_session->root(), m_session->parameters(), orderNumber);
        restore.apply(*set, CSetRestore::names(problems));
        const int differing = m_session->parameters()->modifiedItems().size();
        emit logMessage(
            CHostAppTr::tr("Loaded %1 without %n offending value(s): ", nullptr, CSetRestore::names(problems).size())
                .arg(fileName)
            + CHostAppTr::tr("%n value(s) differ from the device.", nullptr, differing));
    });
    box->open();
}

void CSetActions::compare(const QString &fileName, const QString &orderNumber)
{
    if (fileName.isEmpty())
        return;
    auto set = std::make_shared<CParameterSet>();
    QString error;
    if (!set->load(fileName, &error)) {
        emit errorMessage(CHostAppTr::tr("Compare parameter set"), CHostAppTr::tr("%1: %2").arg(fileName, error));
        return;
    }
    // Offline the items hold the device's last known values; online they are
    // read first so the comparison shows what the device has now.
    if (m_session->master()->state() != CModbusMaster::Connected) {
        showComparison(set, orderNumber, false);
        return;
    }
    m_transfers->run(
        CHostAppTr::tr("Comparing the parameter set with the device"), [this] { m_session->parameters()->readAll(); },
        [this, set, orderNumber](bool success) {
            if (success)
                showComparison(set, orderNumber, true);
        });
}

void CSetActions::showComparison(const std::shared_ptr<CParameterSet> &set, const QString &orderNumber,
                                 bool writable)
{
    const CSetRestore restore(m_session->root(), m_session->parameters(), orderNumber);
    auto *dialog = new CCompareDialog(restore.compare(*set), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWriteEnabled(writable);
    connect(dialog, &QDialog::accepted, this, [this, set, orderNumber]() {
        const CSetRestore restore(m_session->root(), m_session->parameters(), orderNumber);
        const CParameterProblems problems = restore.check(*set);
        if (!CSetRestore::restIsUsable(problems)) {
            offerRestOfSet(set, CHostAppTr::tr("The set"), orderNumber, problems);
            return;
        }
        restore.apply(*set, CSetRestore::names(problems));
        emit writeRequested();
    });
    dialog->open();
}

QString CSetActions::askFile(bool save) const
{
    const QString filter = CHostAppTr::tr("Parameter sets (*.json)");
    return save ? QFileDialog::getSaveFileName(m_window, CHostAppTr::tr("Save parameter set"), QString(), filter)
                : QFileDialog::getOpenFileName(m_window, CHostAppTr::tr("Open parameter set"), QString(), filter);
}
