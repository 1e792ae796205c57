// The simulator's request handling on arbitrary requests: the device server's
// answer to any PDU over the registers of the device's description, the
// framing of the fault front, and each frame fault applied to the answer.
// The first input byte is the function code, the rest the request data.
#include "cdeviceserver.h"
#include "cframemangler.h"
#include "cmbapframe.h"
#include "cdeviceparameters.h"
#include "cregistermap.h"
#include "csimdevice.h"

#include <QCoreApplication>
#include <QModbusPdu>

#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

CDeviceServer *server = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The description in the source tree is not sealed.
    static int argc = 2;
    static char name[] = "fuzz_simrequest";
    static char noCheck[] = "--no-xml-check";
    static char *argv[] = {name, noCheck, nullptr};
    static QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    static CDeviceParameters parameters;
    check(parameters.load(QStringLiteral(LOOMWORK_SOURCE_DIR "/data/pv8120.xml"), QString()));
    static CRegisterMap map(parameters.items());
    static CSimDevice device(&map, 1);
    server = new CDeviceServer(&map, &device);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > 300)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QModbusRequest request(QModbusPdu::FunctionCode(quint8(data[0])), bytes.mid(1));
    const QModbusResponse response = server->answer(request);
    // Every request is answered, normally or with an exception of its own
    // function code.
    check(response.isValid());
    check((response.functionCode() & 0x7F) == (quint8(data[0]) & 0x7F));
    const QByteArray pdu = QByteArray(1, char(response.isException() ? response.functionCode() | 0x80
                                                                      : response.functionCode()))
        + response.data();
    const QByteArray frame = CMbapFrame::build(0x0102, 7, pdu);
    check(CMbapFrame::frameSize(frame) == frame.size());
    check(CMbapFrame::frameSize(bytes) <= bytes.size());
    const CFrameMangler::Fault fault = CFrameMangler::Fault(data[0] % (CFrameMangler::faultNames().size() + 1));
    const CFrameMangler::Output output = CFrameMangler::apply(fault, frame, bytes);
    check(!output.segments.isEmpty());
    return 0;
}
