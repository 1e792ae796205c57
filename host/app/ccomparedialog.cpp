#include "ccomparedialog.h"

#include "chostapptr.h"
#include "cvaluetable.h"
#include "items/citem.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CCompareDialog::CCompareDialog(const QList<CParameterSet::Difference> &rows, QWidget *parent)
    : QDialog(parent)
    , m_rows(rows)
    , m_table(new CValueTable(ColumnCount, CaptionColumn, this))
    , m_summary(new QLabel(this))
    , m_onlyDifferences(new QCheckBox(this))
{
    auto *buttons = new QDialogButtonBox(this);
    m_writeButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_closeButton = buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_onlyDifferences, &QCheckBox::toggled, this, &CCompareDialog::applyFilter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_onlyDifferences);
    layout->addWidget(buttons);

    fillTable();
    retranslate();
    setWriteEnabled(true);
    resize(960, 560);
}

void CCompareDialog::fillTable()
{
    m_table->setRowCount(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        const CParameterSet::Difference &entry = m_rows.at(row);
        // A value never read from the device is not shown as if it were.
        const QString device = entry.deviceText.isEmpty() ? CHostAppTr::tr("(not read)") : entry.deviceText;
        const QStringList texts{entry.name, entry.caption, entry.fileText, device};
        m_table->setRow(row, texts, entry.differs, {FileColumn, DeviceColumn});
    }
}

void CCompareDialog::applyFilter()
{
    const bool only = m_onlyDifferences->isChecked();
    for (int row = 0; row < m_rows.size(); ++row)
        m_table->setRowHidden(row, only && !m_rows.at(row).differs);
}

QList<CParameterSet::Difference> CCompareDialog::differences() const
{
    QList<CParameterSet::Difference> result;
    for (const auto &row : m_rows) {
        if (row.differs)
            result.append(row);
    }
    return result;
}

void CCompareDialog::setWriteEnabled(bool enabled)
{
    const bool writable = std::any_of(m_rows.cbegin(), m_rows.cend(), [](const CParameterSet::Difference &row) {
        return row.differs && row.writable;
    });
    m_writeButton->setEnabled(enabled && writable);
}

QTableWidget *CCompareDialog::table() const
{
    return m_table;
}

bool CCompareDialog::isHighlighted(int row) const
{
    return m_table->isHighlighted(row);
}

void CCompareDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void CCompareDialog::retranslate()
{
    setWindowTitle(CHostAppTr::tr("Compare parameter set with device"));
    m_table->setHorizontalHeaderLabels({CHostAppTr::tr("Name"), CHostAppTr::tr("Caption"), CHostAppTr::tr("File value"),
                                        CHostAppTr::tr("Device value")});
    m_summary->setText(CHostAppTr::tr("%n parameter(s) differ.", nullptr, differences().size()));
    m_onlyDifferences->setText(CHostAppTr::tr("Show differences only"));
    m_writeButton->setText(CHostAppTr::tr("Write differences"));
}
