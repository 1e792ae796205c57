#include "cwatchrecording.h"

#include "ccliconsole.h"
#include "cclitr.h"
#include "ccsvrecorder.h"
#include "cdevicesession.h"
#include "cparametertransfer.h"
#include "cstatussampler.h"

CWatchRecording::CWatchRecording(CDeviceSession &session, const QString &language, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_sampler(new CStatusSampler(session.master(), session.parameters(), &session.deviceData(), this))
    , m_recorder(new CCsvRecorder(this))
{
    m_sampler->setLanguage(language);
    connect(m_recorder, &CCsvRecorder::failed, this, &CWatchRecording::failed);
}

CWatchRecording::~CWatchRecording() = default;

bool CWatchRecording::start(const QString &fileName, int intervalMs, QString *error)
{
    if (!m_sampler->isValid()) {
        *error = CCliTr::tr("nothing to record: %1").arg(m_sampler->errorString());
        return false;
    }
    CParameterTransfer *parameters = m_session.parameters();
    if (!CCliConsole::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        CCliConsole::warn(CCliTr::tr("not every parameter could be read: rows without a known unit leave it empty"));
    m_recorder->setInterval(intervalMs);
    if (!m_recorder->open(fileName)) {
        *error = m_recorder->errorString();
        return false;
    }
    connect(m_sampler, &CStatusSampler::sampled, m_recorder, &CCsvRecorder::add);
    return true;
}

void CWatchRecording::stop()
{
    m_recorder->close();
}

int CWatchRecording::rows() const
{
    return m_recorder->rows();
}
