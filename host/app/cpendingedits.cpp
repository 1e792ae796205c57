#include "cpendingedits.h"

#include "chostapptr.h"
#include "cparametertransfer.h"
#include "items/citem.h"
#include "widgets/cmessagebox.h"

#include <QDialogButtonBox>
#include <QPushButton>

CPendingEdits::CPendingEdits(CParameterTransfer *transfer, QWidget *window)
    : QObject(window)
    , m_transfer(transfer)
    , m_window(window)
{
    connect(transfer, &CParameterTransfer::statesChanged, this, &CPendingEdits::update);
}

void CPendingEdits::watchItems()
{
    m_editedUnread.clear();
    for (CItem *item : m_transfer->items()) {
        disconnect(item, nullptr, this, nullptr);
        connect(item, &CItem::valueEdited, this, [this, item] {
            if (!m_transfer->wasRead(item))
                m_editedUnread.insert(item);
            update();
        });
        // The plugin's follow-ups change other items without an edit.
        connect(item, &CItem::valueChanged, this, &CPendingEdits::update);
    }
    update();
}

void CPendingEdits::setWriter(const Writer &writer)
{
    m_writer = writer;
}

QList<CItem *> CPendingEdits::items() const
{
    QList<CItem *> result = m_transfer->modifiedItems();
    for (CItem *item : m_transfer->items()) {
        if (m_editedUnread.contains(item) && !result.contains(item))
            result.append(item);
    }
    return result;
}

int CPendingEdits::count() const
{
    return m_count;
}

void CPendingEdits::update()
{
    for (auto it = m_editedUnread.begin(); it != m_editedUnread.end();) {
        if (m_transfer->wasRead(*it))
            it = m_editedUnread.erase(it);
        else
            ++it;
    }
    const int count = items().size();
    if (count == m_count)
        return;
    m_count = count;
    emit countChanged(count);
}

void CPendingEdits::confirm(const QString &question, const std::function<void()> &proceed)
{
    update();
    if (m_count == 0) {
        proceed();
        return;
    }
    if (m_question)
        return; // one question at a time
    const QString text = CHostAppTr::tr("%n edited value(s) are not written to the device yet.", nullptr, m_count)
        + QLatin1Char('\n') + question;
    m_question = new CMessageBox(CMessageBox::Question, CHostAppTr::tr("Edits not written"), text,
                                 QPixmap(QStringLiteral(":/svg-icons/icon_frage.svg")),
                                 QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel,
                                 m_window, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    m_question->setObjectName(QStringLiteral("PendingEditsQuestion"));
    m_question->setAttribute(Qt::WA_DeleteOnClose);
    // "Save" would say the edits go to a file; they go to the device.
    if (auto *buttons = m_question->findChild<QDialogButtonBox *>()) {
        if (QPushButton *write = buttons->button(QDialogButtonBox::Save))
            write->setText(CHostAppTr::tr("Write"));
    }
    connect(m_question, &QDialog::finished, this, [this, proceed](int button) { answer(button, proceed); });
    m_question->open();
}

void CPendingEdits::answer(int button, const std::function<void()> &proceed)
{
    if (button == QDialogButtonBox::Discard) {
        discard();
        proceed();
    } else if (button == QDialogButtonBox::Save && m_writer) {
        m_writer([this, proceed](bool written) {
            update();
            if (written && m_count == 0)
                proceed();
        });
    }
}

CMessageBox *CPendingEdits::question() const
{
    return m_question;
}

void CPendingEdits::discard()
{
    const QList<CItem *> pending = items();
    m_editedUnread.clear();
    m_transfer->revert(pending);
    update();
}
