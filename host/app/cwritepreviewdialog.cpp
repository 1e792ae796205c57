#include "cwritepreviewdialog.h"

#include "chostapptr.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "cvaluetable.h"
#include "description/citemregisters.h"
#include "items/citem.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor warningColor(180, 40, 20);

} // namespace

CWritePreviewDialog::CWritePreviewDialog(const CParameterTransfer &parameters, const QList<CItem *> &items,
                                         const QStringList &lineChanges, QWidget *parent)
    : QDialog(parent)
    , m_table(new CValueTable(ColumnCount, ParameterColumn, this))
    , m_summary(new QLabel(this))
    , m_lineWarning(new QLabel(this))
    , m_lineChanges(lineChanges)
{
    setObjectName(QStringLiteral("WritePreview"));
    auto *buttons = new QDialogButtonBox(this);
    m_writeButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_lineWarning->setWordWrap(true);
    QPalette palette = m_lineWarning->palette();
    palette.setColor(QPalette::WindowText, warningColor);
    m_lineWarning->setPalette(palette);
    m_lineWarning->setVisible(!lineChanges.isEmpty());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_lineWarning);
    layout->addWidget(buttons);

    fillTable(parameters, items);
    retranslate();
    resize(820, 480);
}

void CWritePreviewDialog::fillTable(const CParameterTransfer &parameters, const QList<CItem *> &items)
{
    m_table->setRowCount(items.size());
    for (int row = 0; row < items.size(); ++row) {
        const CItem *item = items.at(row);
        const QString unit = item->unit();
        // The device's value carries its own unit where the write changes it.
        QString device = parameters.deviceText(item);
        if (device.isEmpty())
            device = CHostAppTr::tr("(not read)");
        else if (parameters.deviceUnit(item) == unit && !unit.isEmpty())
            device.chop(unit.size() + 1);
        const bool changed = !parameters.wasRead(item)
            || parameters.deviceBytes(item) != CItemRegisters::registerBytes(item);
        m_changed += changed ? 1 : 0;
        const QString caption = item->caption().isEmpty() ? item->objectName() : item->caption();
        const QStringList texts{QStringLiteral("%1 (%2)").arg(caption, item->objectName()), device,
                                CValueFormat::text(item), unit};
        m_table->setRow(row, texts, changed, {DeviceColumn, NewColumn});
    }
}

QTableWidget *CWritePreviewDialog::table() const
{
    return m_table;
}

QLabel *CWritePreviewDialog::lineWarning() const
{
    return m_lineWarning;
}

int CWritePreviewDialog::changedCount() const
{
    return m_changed;
}

void CWritePreviewDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void CWritePreviewDialog::retranslate()
{
    setWindowTitle(CHostAppTr::tr("Write to the device"));
    m_table->setHorizontalHeaderLabels({CHostAppTr::tr("Parameter"), CHostAppTr::tr("Device value"),
                                        CHostAppTr::tr("New value"), CHostAppTr::tr("Unit")});
    m_summary->setText(
        CHostAppTr::tr("%n parameter(s) will be written, %1 of them with a new value.", nullptr, m_table->rowCount())
            .arg(m_changed));
    m_lineWarning->setText(
        CHostAppTr::tr("This write changes the device's line settings:\n%1\nThe device will answer only "
                       "with the new settings; afterwards you can reconnect with them.")
            .arg(m_lineChanges.join(QLatin1Char('\n'))));
    m_writeButton->setText(CHostAppTr::tr("Write"));
}
