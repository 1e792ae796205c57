#include "ctrafficmonitor.h"

#include "chostapptr.h"
#include "cmodbusmaster.h"
#include "ctrafficmodel.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Statistic { Requests, Retries, Timeouts, Exceptions, Failures, MeanRoundTrip, P99RoundTrip, StatisticCount };
const int RefreshMs = 250;

} // namespace

CTrafficMonitor::CTrafficMonitor(CModbusMaster *master, QWidget *parent)
    : QWidget(parent)
    , m_model(new CTrafficModel(this))
    , m_filter(new QSortFilterProxyModel(this))
    , m_filterEdit(new QLineEdit(this))
    , m_pauseButton(new QToolButton(this))
    , m_clearButton(new QToolButton(this))
    , m_table(new QTableView(this))
    , m_statisticsForm(new QFormLayout)
    , m_refresh(new QTimer(this))
{
    setObjectName(QStringLiteral("TrafficMonitor"));
    m_filter->setSourceModel(m_model);
    m_filter->setFilterKeyColumn(-1);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filterEdit->setClearButtonEnabled(true);
    m_pauseButton->setCheckable(true);
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->setWordWrap(false);
    sizeColumns();

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_filterEdit, 1);
    bar->addWidget(m_pauseButton);
    bar->addWidget(m_clearButton);
    auto *left = new QVBoxLayout;
    left->addLayout(bar);
    left->addWidget(m_table, 1);
    for (int i = 0; i < StatisticCount; ++i) {
        m_captions.append(new QLabel(this));
        m_values.append(new QLabel(this));
        m_values.last()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_statisticsForm->addRow(m_captions.last(), m_values.last());
    }
    auto *right = new QVBoxLayout;
    right->addLayout(m_statisticsForm);
    right->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 6, 2);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(master, &CModbusMaster::traffic, this, &CTrafficMonitor::addRecord);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &CTrafficMonitor::setFilter);
    connect(m_pauseButton, &QToolButton::toggled, this, &CTrafficMonitor::setPaused);
    connect(m_clearButton, &QToolButton::clicked, this, &CTrafficMonitor::clear);
    connect(m_refresh, &QTimer::timeout, this, [this]() {
        if (m_statisticsDirty)
            refreshStatistics();
    });
    m_refresh->start(RefreshMs);
    retranslate();
    refreshStatistics();
}

// Columns as wide as their longest usual text; the bytes take the rest.
void CTrafficMonitor::sizeColumns()
{
    const QFontMetrics metrics = m_table->fontMetrics();
    const QHash<int, QString> widest{
        {CTrafficModel::Time, QStringLiteral("00:00:00.000")},
        {CTrafficModel::Direction, CHostAppTr::tr("response")},
        {CTrafficModel::UnitId, CHostAppTr::tr("Unit id")},
        {CTrafficModel::Function, CTrafficModel::functionText(16)},
        {CTrafficModel::Address, QStringLiteral("0x0000")},
        {CTrafficModel::Count, CHostAppTr::tr("Count")},
        {CTrafficModel::RoundTrip, CHostAppTr::tr("%1 ms").arg(QStringLiteral("1000.0"))},
        {CTrafficModel::Result, CTrafficModel::functionText(16)},
    };
    QHeaderView *header = m_table->horizontalHeader();
    for (auto it = widest.cbegin(); it != widest.cend(); ++it)
        header->resizeSection(it.key(), metrics.horizontalAdvance(it.value()) + 16);
    header->setSectionResizeMode(CTrafficModel::Bytes, QHeaderView::Stretch);
}

CTrafficModel *CTrafficMonitor::model() const
{
    return m_model;
}

const CTrafficStatistics &CTrafficMonitor::statistics() const
{
    return m_statistics;
}

int CTrafficMonitor::visibleRows() const
{
    return m_filter->rowCount();
}

void CTrafficMonitor::setFilter(const QString &text)
{
    if (m_filterEdit->text() != text)
        m_filterEdit->setText(text);
    m_filter->setFilterFixedString(text);
}

void CTrafficMonitor::setPaused(bool paused)
{
    m_pauseButton->setChecked(paused);
    m_model->setPaused(paused);
}

void CTrafficMonitor::clear()
{
    m_model->clear();
    m_statistics.clear();
    refreshStatistics();
}

// New rows keep the newest in view unless the user scrolled up to read.
void CTrafficMonitor::addRecord(const CTrafficRecord &record)
{
    m_statistics.add(record);
    m_statisticsDirty = true;
    if (m_model->isPaused())
        return;
    QScrollBar *scroll = m_table->verticalScrollBar();
    const bool atEnd = scroll->value() == scroll->maximum();
    m_model->add(record);
    if (atEnd && isVisible())
        m_table->scrollToBottom();
}

void CTrafficMonitor::refreshStatistics()
{
    m_statisticsDirty = false;
    const QLocale locale;
    const auto milliseconds = [&locale](double us) {
        return CHostAppTr::tr("%1 ms").arg(locale.toString(us / 1000.0, 'f', 1));
    };
    m_values[Requests]->setText(locale.toString(m_statistics.requests()));
    m_values[Retries]->setText(locale.toString(m_statistics.retries()));
    m_values[Timeouts]->setText(locale.toString(m_statistics.timeouts()));
    m_values[Exceptions]->setText(locale.toString(m_statistics.exceptions()));
    m_values[Failures]->setText(locale.toString(m_statistics.failures()));
    const bool answered = m_statistics.answers() + m_statistics.exceptions() > 0;
    m_values[MeanRoundTrip]->setText(answered ? milliseconds(m_statistics.meanRoundTripUs()) : QStringLiteral("–"));
    m_values[P99RoundTrip]->setText(answered ? milliseconds(double(m_statistics.percentileRoundTripUs(99.0)))
                                             : QStringLiteral("–"));
}

QStringList CTrafficMonitor::statisticsTexts() const
{
    QStringList texts;
    for (int i = 0; i < StatisticCount; ++i)
        texts << m_captions.at(i)->text() << m_values.at(i)->text();
    return texts;
}

void CTrafficMonitor::retranslate()
{
    m_filterEdit->setPlaceholderText(CHostAppTr::tr("Filter (any text of a row)"));
    m_pauseButton->setText(CHostAppTr::tr("Pause"));
    m_pauseButton->setToolTip(CHostAppTr::tr("Holds the table still; the statistics go on counting"));
    m_clearButton->setText(CHostAppTr::tr("Clear"));
    m_clearButton->setToolTip(CHostAppTr::tr("Empties the table and the statistics"));
    m_captions[Requests]->setText(CHostAppTr::tr("Requests:"));
    m_captions[Retries]->setText(CHostAppTr::tr("Retries:"));
    m_captions[Timeouts]->setText(CHostAppTr::tr("Timeouts:"));
    m_captions[Exceptions]->setText(CHostAppTr::tr("Exceptions:"));
    m_captions[Failures]->setText(CHostAppTr::tr("Failures:"));
    m_captions[MeanRoundTrip]->setText(CHostAppTr::tr("Mean round trip:"));
    m_captions[P99RoundTrip]->setText(CHostAppTr::tr("99th percentile:"));
    m_captions[P99RoundTrip]->setToolTip(
        CHostAppTr::tr("Round trip that 99 of 100 answers beat (over the last %1 answers)")
            .arg(QLocale().toString(CTrafficStatistics::MaxRoundTrips)));
    m_model->retranslate();
    sizeColumns();
    refreshStatistics();
}
