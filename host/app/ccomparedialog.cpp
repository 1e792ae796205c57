#include "ccomparedialog.h"

#include "items/citem.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor highlightColor(255, 236, 153);

} // namespace

CCompareDialog::CCompareDialog(const QList<CParameterSet::Difference> &rows, QWidget *parent)
    : QDialog(parent)
    , m_rows(rows)
    , m_table(new QTableWidget(this))
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

    m_table->setColumnCount(ColumnCount);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    // Names and values keep their width; the caption takes what is left.
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(CaptionColumn, QHeaderView::Stretch);
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
        const QString unit = entry.item && !entry.item->unit().isEmpty() ? QLatin1Char(' ') + entry.item->unit()
                                                                         : QString();
        const QStringList texts{entry.name, entry.caption, entry.fileText + unit, entry.deviceText + unit};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *cell = new QTableWidgetItem(texts.at(column));
            if (entry.differs)
                cell->setBackground(highlightColor);
            m_table->setItem(row, column, cell);
        }
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
    m_writeButton->setEnabled(enabled && !differences().isEmpty());
}

QTableWidget *CCompareDialog::table() const
{
    return m_table;
}

bool CCompareDialog::isHighlighted(int row) const
{
    const QTableWidgetItem *cell = m_table->item(row, NameColumn);
    return cell && cell->background().color() == highlightColor;
}

void CCompareDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void CCompareDialog::retranslate()
{
    setWindowTitle(tr("Compare parameter set with device"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Caption"), tr("File value"), tr("Device value")});
    m_summary->setText(tr("%n parameter(s) differ.", nullptr, differences().size()));
    m_onlyDifferences->setText(tr("Show differences only"));
    m_writeButton->setText(tr("Write differences"));
}
