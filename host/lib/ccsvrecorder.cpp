#include "ccsvrecorder.h"

#include "chosttr.h"

#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString number(double value, int decimals)
{
    return qIsNaN(value) ? QString() : QString::number(value, 'f', decimals);
}

} // namespace

CCsvRecorder::CCsvRecorder(QObject *parent)
    : QObject(parent)
    , m_flushTimer(new QTimer(this))
{
    m_flushTimer->setSingleShot(true);
    m_flushTimer->setInterval(MaxUnflushedMs);
    connect(m_flushTimer, &QTimer::timeout, this, [this] {
        if (!flush())
            fail();
    });
}

CCsvRecorder::~CCsvRecorder()
{
    close();
}

bool CCsvRecorder::open(const QString &fileName)
{
    close();
    m_error.clear();
    m_rows = 0;
    m_due = QDateTime();
    m_file.setFileName(fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = CHostTr::tr("%1 cannot be written: %2").arg(fileName, m_file.errorString());
        return false;
    }
    if (m_file.write((header() + QLatin1Char('\n')).toUtf8()) < 0 || !flush()) {
        m_error = CHostTr::tr("%1 cannot be written: %2").arg(fileName, m_file.errorString());
        m_file.close();
        return false;
    }
    return true;
}

void CCsvRecorder::close()
{
    m_flushTimer->stop();
    if (m_file.isOpen()) {
        flush();
        m_file.close();
    }
}

bool CCsvRecorder::isOpen() const
{
    return m_file.isOpen();
}

QString CCsvRecorder::fileName() const
{
    return m_file.fileName();
}

QString CCsvRecorder::errorString() const
{
    return m_error;
}

void CCsvRecorder::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    m_due = QDateTime();
}

int CCsvRecorder::interval() const
{
    return m_interval;
}

int CCsvRecorder::rows() const
{
    return m_rows;
}

bool CCsvRecorder::add(const CStatusSample &sample)
{
    if (!m_file.isOpen() || !isDue(sample.time))
        return m_file.isOpen();
    if (m_file.write((row(sample) + QLatin1Char('\n')).toUtf8()) < 0)
        return fail();
    ++m_rows;
    if (!m_flushTimer->isActive())
        m_flushTimer->start();
    return true;
}

// Rows keep to a grid from the first one; a sample up to a tenth of the
// interval early still counts, so polls at the interval give a row each.
bool CCsvRecorder::isDue(const QDateTime &time)
{
    if (m_interval == 0)
        return true;
    if (m_due.isValid() && time.msecsTo(m_due) >= qMax(1, m_interval / 10))
        return false;
    if (!m_due.isValid() || time.msecsTo(m_due) < -m_interval)
        m_due = time; // the first row, or the samples had stopped
    m_due = m_due.addMSecs(m_interval);
    return true;
}

bool CCsvRecorder::flush()
{
    if (!m_file.flush())
        return false;
#ifdef Q_OS_UNIX
    // Also on the disk, not only with the system: a power cut loses no more.
    ::fdatasync(m_file.handle());
#endif
    return true;
}

bool CCsvRecorder::fail()
{
    m_error = CHostTr::tr("%1 cannot be written: %2").arg(m_file.fileName(), m_file.errorString());
    m_flushTimer->stop();
    m_file.close();
    emit failed(m_error);
    return false;
}

QString CCsvRecorder::header()
{
    return QStringLiteral("time,display,value,unit,output_percent,led,led_state");
}

QString CCsvRecorder::row(const CStatusSample &sample)
{
    const QDateTime time = sample.time.toOffsetFromUtc(sample.time.offsetFromUtc());
    return QStringList{time.toString(Qt::ISODateWithMs),
                       field(sample.text),
                       number(sample.value, sample.valueDecimals),
                       field(sample.unit),
                       number(sample.output, sample.outputDecimals),
                       sample.led < 0 ? QString() : QString::number(sample.led),
                       field(sample.ledName)}
        .join(QLatin1Char(','));
}
