#ifndef CTRAFFICMONITOR_H
#define CTRAFFICMONITOR_H

#include "ctrafficstatistics.h"

#include <QWidget>

class CModbusMaster;
class CTrafficModel;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;
class QTimer;
class QToolButton;

// The traffic monitor: every request and response of the master in a table
// (filtered by any text of a row: "timeout", "0x0100", "exception"), with a
// pause that freezes the table and a bounded buffer, and the link's
// statistics beside it. The statistics go on counting while paused.
class CTrafficMonitor : public QWidget
{
    Q_OBJECT

public:
    // master is not owned and must outlive the monitor.
    explicit CTrafficMonitor(CModbusMaster *master, QWidget *parent = nullptr);

    CTrafficModel *model() const;
    const CTrafficStatistics &statistics() const;
    // The rows the filter lets through.
    int visibleRows() const;

    void setFilter(const QString &text);
    void setPaused(bool paused);
    // Empties the table and the statistics.
    void clear();
    // Shows the statistics as they are now (they refresh a few times a second).
    void refreshStatistics();
    // The statistics panel's label and value texts, top to bottom.
    QStringList statisticsTexts() const;

    void retranslate();

private:
    void addRecord(const CTrafficRecord &record);
    void sizeColumns();

    CTrafficModel *m_model;
    QSortFilterProxyModel *m_filter;
    CTrafficStatistics m_statistics;
    QLineEdit *m_filterEdit;
    QToolButton *m_pauseButton;
    QToolButton *m_clearButton;
    QTableView *m_table;
    QFormLayout *m_statisticsForm;
    QList<QLabel *> m_captions;
    QList<QLabel *> m_values;
    QTimer *m_refresh;
    bool m_statisticsDirty = false;
};

#endif // CTRAFFICMONITOR_H
