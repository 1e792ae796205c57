#include "description/cparameterdescription.h"

#include <array>

namespace {

// Slicing-by-8 tables of the reflected polynomial 0xA001: Tables[0] is the
// classic byte table; Tables[k][n] advances Tables[k-1][n] by one more zero
// byte, so eight input bytes fold into one step of eight lookups.
struct CrcTables
{
    std::array<std::array<quint16, 256>, 8> t;

    constexpr CrcTables() : t()
    {
        for (unsigned n = 0; n < 256; ++n) {
            unsigned crc = n;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1u) ? (crc >> 1) ^ 0xA001u : crc >> 1;
            t[0][n] = quint16(crc);
        }
        for (unsigned k = 1; k < 8; ++k) {
            for (unsigned n = 0; n < 256; ++n)
                t[k][n] = quint16((t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFFu]);
        }
    }
};

constexpr CrcTables Tables;

quint16 crcBytewise(quint16 crc, const uchar *data, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i)
        crc = quint16((crc >> 8) ^ Tables.t[0][(crc ^ data[i]) & 0xFFu]);
    return crc;
}

quint16 crcSliced(quint16 crc, const uchar *data, qsizetype blocks)
{
    const auto &t = Tables.t;
    for (qsizetype i = 0; i < blocks; ++i, data += 8) {
        const unsigned a = (crc ^ data[0]) & 0xFFu;
        const unsigned b = ((crc >> 8) ^ data[1]) & 0xFFu;
        crc = quint16(t[7][a] ^ t[6][b] ^ t[5][data[2]] ^ t[4][data[3]]
                      ^ t[3][data[4]] ^ t[2][data[5]] ^ t[1][data[6]] ^ t[0][data[7]]);
    }
    return crc;
}

} // namespace

quint16 crc16(const char *data, qsizetype length)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data);
    quint16 crc = 0xFFFF;
    if (length > 0) {
        const qsizetype blocks = length / 8;
        crc = crcSliced(crc, bytes, blocks);
        crc = crcBytewise(crc, bytes + blocks * 8, length - blocks * 8);
    }
    // The trailer stores the low byte first; swapping makes the result equal
    // to the trailer read big-endian.
    return quint16((crc << 8) | (crc >> 8));
}

quint16 crc16(const QByteArray &bytes)
{
    return crc16(bytes.constData(), bytes.size());
}

bool hasValidChecksum(const QByteArray &bytes)
{
    if (bytes.size() < 2)
        return false;
#ifdef LOOMWORK_FUZZING
    // Fuzz builds accept any trailer so generated inputs reach the XML reader.
    return true;
#else
    const qsizetype body = bytes.size() - 2;
    const quint16 stored = quint16((uchar(bytes.at(body)) << 8) | uchar(bytes.at(body + 1)));
    return stored == crc16(bytes.constData(), body);
#endif
}
