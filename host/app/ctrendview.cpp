#include "ctrendview.h"

#include "ccsvrecorder.h"
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "chostapptr.h"
#include "chostsettings.h"
#include "cparametertransfer.h"
#include "cstatussampler.h"
#include "ctrendchart.h"
#include "ctrendlimits.h"
#include "widgets/cmessagebox.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const int FrameMs = 100;       // redraws at most ten times a second
const int MinGapMs = 2000;     // silence that breaks a line, at least
const int DefaultRecordMs = 1000;
const qint64 WindowMs[] = {60000, 600000, 3600000, 0};
const int LedCodes = 16;       // LED codes looked up for colours

} // namespace

CTrendView::CTrendView(CDeviceSession *session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_recorder(new CCsvRecorder(this))
    , m_chart(new CTrendChart(&m_data, this))
    , m_pauseButton(new QToolButton(this))
    , m_liveButton(new QToolButton(this))
    , m_windowBox(new QComboBox(this))
    , m_recordLabel(new QLabel(this))
    , m_recordInterval(new QDoubleSpinBox(this))
    , m_recordButton(new QToolButton(this))
    , m_status(new QLabel(this))
    , m_recordAction(new QAction(this))
    , m_frameTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("TrendView"));
    m_pauseButton->setCheckable(true);
    m_recordAction->setCheckable(true);
    m_recordButton->setDefaultAction(m_recordAction);
    m_recordInterval->setRange(0.1, 3600.0);
    m_recordInterval->setDecimals(1);
    m_recordInterval->setSingleStep(0.5);
    m_windowBox->addItems({QString(), QString(), QString(), QString()});
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long status must not widen the window; the tooltip holds all of it.
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_pauseButton);
    bar->addWidget(m_windowBox);
    bar->addWidget(m_liveButton);
    bar->addWidget(m_status, 1);
    bar->addWidget(m_recordLabel);
    bar->addWidget(m_recordInterval);
    bar->addWidget(m_recordButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(m_chart, 1);

    const CHostSettings settings;
    m_recordInterval->setValue(settings.value(CHostSettings::RecordInterval, DefaultRecordMs).toInt() / 1000.0);
    m_recorder->setInterval(recordInterval());
    m_windowBox->setCurrentIndex(qBound(0, settings.value(CHostSettings::TrendWindow, 0).toInt(), int(All)));
    m_chart->setWindow(WindowMs[m_windowBox->currentIndex()]);

    connect(m_pauseButton, &QToolButton::toggled, this, &CTrendView::setPaused);
    connect(m_liveButton, &QToolButton::clicked, m_chart, &CTrendChart::goLive);
    connect(m_chart, &CTrendChart::liveChanged, m_liveButton, [this](bool live) { m_liveButton->setEnabled(!live); });
    connect(m_windowBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { setWindow(Window(index)); });
    connect(m_recordInterval, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this](double seconds) { setRecordInterval(qRound(seconds * 1000.0)); });
    connect(m_recordAction, &QAction::triggered, this, &CTrendView::askRecording);
    connect(m_recorder, &CCsvRecorder::failed, this, [this](const QString &reason) {
        m_recordAction->setChecked(false);
        updateStatus();
        emit errorMessage(CHostAppTr::tr("Recording"), reason);
    });
    connect(m_session->master(), &CModbusMaster::stateChanged, this, &CTrendView::onLinkState);
    connect(m_session->parameters(), &CParameterTransfer::finished, this, &CTrendView::updateLines);
    connect(m_frameTimer, &QTimer::timeout, this, [this]() {
        if (m_dirty && !isPaused())
            m_chart->refresh();
        m_dirty = false;
        updateStatus();
    });
    m_liveButton->setEnabled(false);
    m_frameTimer->start(FrameMs);
    retranslate(m_language);
}

CTrendView::~CTrendView()
{
    m_recorder->close();
}

bool CTrendView::attach()
{
    delete m_sampler;
    m_data.clear();
    m_sampler = new CStatusSampler(m_session->master(), m_session->parameters(), &m_session->deviceData(), this);
    m_sampler->setLanguage(m_language);
    m_problem = m_sampler->isValid() ? QString() : m_sampler->errorString();
    m_recordAction->setEnabled(m_sampler->isValid());
    const CDisplayDecoder &decoder = m_sampler->decoder();
    const CDisplayDecoder::Frame *value = decoder.frame(CDisplayDecoder::ValueRole);
    const CDisplayDecoder::Frame *output = decoder.frame(CDisplayDecoder::OutputRole);
    QHash<int, QColor> leds;
    for (int code = 0; code < LedCodes; ++code) {
        if (QColor(decoder.ledColor(code)).isValid())
            leds.insert(code, QColor(decoder.ledColor(code)));
    }
    m_chart->setColors(value && QColor(value->color).isValid() ? QColor(value->color) : QColor(Qt::blue),
                       output && QColor(output->color).isValid() ? QColor(output->color) : QColor(Qt::darkMagenta),
                       leds);
    connect(m_sampler, &CStatusSampler::sampled, this, &CTrendView::onSample);
    onLinkState(m_session->master()->state());
    updateLines();
    updateStatus();
    return m_sampler->isValid();
}

CTrendChart *CTrendView::chart() const { return m_chart; }
const CTrendData &CTrendView::data() const { return m_data; }
CStatusSampler *CTrendView::sampler() const { return m_sampler; }
CCsvRecorder *CTrendView::recorder() const { return m_recorder; }
QAction *CTrendView::recordAction() const { return m_recordAction; }

void CTrendView::setWindow(Window window)
{
    m_windowBox->setCurrentIndex(window);
    CHostSettings().setValue(CHostSettings::TrendWindow, int(window));
    m_chart->setWindow(WindowMs[window]);
}

void CTrendView::setPaused(bool paused)
{
    m_pauseButton->setChecked(paused);
    m_chart->setFrozen(paused);
    updateStatus();
}

bool CTrendView::isPaused() const
{
    return m_pauseButton->isChecked();
}

void CTrendView::setPollInterval(int milliseconds)
{
    m_data.setGapMs(qMax(MinGapMs, 3 * milliseconds));
}

void CTrendView::setRecordInterval(int milliseconds)
{
    if (qRound(m_recordInterval->value() * 1000.0) != milliseconds)
        m_recordInterval->setValue(milliseconds / 1000.0);
    m_recorder->setInterval(milliseconds);
    CHostSettings().setValue(CHostSettings::RecordInterval, milliseconds);
}

int CTrendView::recordInterval() const
{
    return qRound(m_recordInterval->value() * 1000.0);
}

bool CTrendView::startRecording(const QString &fileName)
{
    m_recorder->setInterval(recordInterval());
    const bool ok = m_sampler && m_sampler->isValid() && m_recorder->open(fileName);
    m_recordAction->setChecked(ok);
    if (ok)
        emit logMessage(CHostAppTr::tr("Recording to %1").arg(QDir::toNativeSeparators(fileName)));
    else
        emit errorMessage(CHostAppTr::tr("Recording"), m_sampler && m_sampler->isValid() ? m_recorder->errorString()
                                                                                      : m_problem);
    updateStatus();
    return ok;
}

void CTrendView::stopRecording()
{
    if (m_recorder->isOpen()) {
        const QString fileName = m_recorder->fileName();
        const int rows = m_recorder->rows();
        m_recorder->close();
        emit logMessage(CHostAppTr::tr("Recording ended: %n row(s) in %1", nullptr, rows)
                            .arg(QDir::toNativeSeparators(fileName)));
    }
    m_recordAction->setChecked(false);
    updateStatus();
}

void CTrendView::askRecording(bool start)
{
    if (!start) {
        stopRecording();
        return;
    }
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(QStringLiteral("loomwork-trend-%1.csv")
                                                .arg(QDateTime::currentDateTime().toString(
                                                    QStringLiteral("yyyyMMdd-hhmmss"))));
    const QString fileName = QFileDialog::getSaveFileName(this, CHostAppTr::tr("Record to file"), suggested,
                                                          CHostAppTr::tr("CSV files (*.csv)"));
    if (fileName.isEmpty()) {
        m_recordAction->setChecked(false);
        return;
    }
    startRecording(fileName);
}

void CTrendView::onSample(const CStatusSample &sample)
{
    const QString unit = m_data.unit();
    m_data.add(sample);
    m_lastSampleAt = QDateTime::currentMSecsSinceEpoch();
    if (m_data.unit() != unit)
        updateLines();
    if (m_recorder->isOpen())
        m_recorder->add(sample);
    m_dirty = true;
}

void CTrendView::onLinkState(CModbusMaster::State state)
{
    const bool up = state == CModbusMaster::Connected;
    if (!up)
        m_data.breakLine();
    m_linkUp = up;
    updateStatus();
}

void CTrendView::updateLines()
{
    const QString unit = m_data.unit();
    m_chart->setTitles(unit.isEmpty() ? CHostAppTr::tr("Value") : CHostAppTr::tr("Value (%1)").arg(unit),
                       CHostAppTr::tr("Output (%)"));
    m_chart->setLines(CTrendLimits::lines(*m_session->parameters(), m_session->deviceData(), unit));
}

QString CTrendView::statusText() const
{
    return m_status->text();
}

void CTrendView::updateStatus()
{
    QStringList parts;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (!m_problem.isEmpty())
        parts << CHostAppTr::tr("No trend: %1").arg(m_problem);
    else if (!m_linkUp)
        parts << CHostAppTr::tr("Link down: nothing is drawn until the device answers again");
    else if (m_lastSampleAt == 0)
        parts << CHostAppTr::tr("Waiting for the device's status (cyclic reading)");
    else if (now - m_lastSampleAt > m_data.gapMs())
        parts << CHostAppTr::tr("No status answer since %1")
                     .arg(QDateTime::fromMSecsSinceEpoch(m_lastSampleAt).toString(QStringLiteral("hh:mm:ss")));
    if (isPaused())
        parts << CHostAppTr::tr("Paused");
    if (m_recorder->isOpen())
        parts << CHostAppTr::tr("Recording: %n row(s)", nullptr, m_recorder->rows());
    const QString text = parts.join(QStringLiteral(" · "));
    if (m_status->text() != text) {
        m_status->setText(text);
        m_status->setToolTip(text);
    }
}

void CTrendView::retranslate(const QString &language)
{
    m_language = language;
    if (m_sampler)
        m_sampler->setLanguage(language);
    m_pauseButton->setText(CHostAppTr::tr("Pause"));
    m_pauseButton->setToolTip(CHostAppTr::tr("Holds the picture still; samples are still taken and recorded"));
    m_liveButton->setText(CHostAppTr::tr("Follow"));
    m_liveButton->setToolTip(CHostAppTr::tr("Back to the newest samples after zooming or panning"));
    m_windowBox->setItemText(LastMinute, CHostAppTr::tr("Last minute"));
    m_windowBox->setItemText(Last10Minutes, CHostAppTr::tr("Last 10 minutes"));
    m_windowBox->setItemText(LastHour, CHostAppTr::tr("Last hour"));
    m_windowBox->setItemText(All, CHostAppTr::tr("All"));
    m_chart->setToolTip(CHostAppTr::tr("Wheel: zoom the time axis · drag: pan · double click: follow the newest"));
    m_recordLabel->setText(CHostAppTr::tr("Record every"));
    m_recordInterval->setSuffix(CHostAppTr::tr(" s"));
    m_recordInterval->setToolTip(CHostAppTr::tr("Least time between two rows of a recording"));
    m_recordAction->setText(CHostAppTr::tr("Record to file..."));
    m_recordAction->setToolTip(CHostAppTr::tr("Writes every status answer (one row per interval) to a CSV file"));
    updateLines();
    updateStatus();
}
