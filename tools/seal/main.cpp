// loomwork-seal: adds, checks and removes the 2-byte CRC-16/MODBUS trailer of
// the family's parameter-description files.

#include "description/cparameterdescription.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>

namespace {

enum ExitCode { Valid = 0, UsageError = 1, Tampered = 2, NotSealed = 3, NotXml = 4, IoError = 5 };

// TrailerReadsAsXml: the last two bytes match the checksum of the rest, but
// the bytes still parse as XML with them, so readers take the file for an
// unsealed one. Sealing such a file seals its text afresh.
enum class SealState { Valid, Tampered, NotSealed, TrailerReadsAsXml, NotXml };

const char Usage[] =
    "Usage: loomwork-seal seal IN [OUT]   append the checksum trailer (OUT defaults to IN)\n"
    "       loomwork-seal check FILE      check the trailer of FILE\n"
    "       loomwork-seal strip IN [OUT]  remove the trailer (OUT defaults to IN)\n"
    "       loomwork-seal --help\n"
    "\n"
    "Exit status of check: 0 sealed and valid, 2 sealed but tampered,\n"
    "3 not sealed, 4 not XML; 1 usage error, 5 file error.\n";

SealState stateOf(const QByteArray &bytes)
{
    if (isWellFormedXml(bytes)) {
        const bool trailer = hasValidChecksum(bytes) && isWellFormedXml(bytes.left(bytes.size() - 2));
        return trailer ? SealState::TrailerReadsAsXml : SealState::NotSealed;
    }
    if (bytes.size() < 2 || !isWellFormedXml(bytes.left(bytes.size() - 2)))
        return SealState::NotXml;
    return hasValidChecksum(bytes) ? SealState::Valid : SealState::Tampered;
}

bool readFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "loomwork-seal: cannot read %s\n", qPrintable(path));
        return false;
    }
    bytes = file.readAll();
    return true;
}

int writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        std::fprintf(stderr, "loomwork-seal: cannot write %s\n", qPrintable(path));
        return IoError;
    }
    return Valid;
}

int report(const QString &path, SealState state, const QByteArray &bytes)
{
    switch (state) {
    case SealState::Valid:
        std::printf("%s: sealed, checksum valid\n", qPrintable(path));
        return Valid;
    case SealState::Tampered:
        std::printf("%s: sealed, but the checksum does not match (changed after sealing)\n", qPrintable(path));
        return Tampered;
    case SealState::NotSealed:
        std::printf("%s: not sealed (well-formed XML without trailer)\n", qPrintable(path));
        return NotSealed;
    case SealState::TrailerReadsAsXml:
        std::printf("%s: not sealed (the last two bytes match the checksum but still read as XML; seal it again)\n",
                    qPrintable(path));
        return NotSealed;
    case SealState::NotXml:
        break;
    }
    // The reason of the file as it stands: a damaged text shows there, a
    // damaged trailer at the end.
    std::printf("%s: not a well-formed XML description: %s\n", qPrintable(path), qPrintable(xmlError(bytes)));
    return NotXml;
}

int seal(const QString &in, const QString &out)
{
    QByteArray bytes;
    if (!readFile(in, bytes))
        return IoError;
    const SealState state = stateOf(bytes);
    if (state == SealState::Valid)
        return writeFile(out, bytes); // already sealed: sealing again changes nothing
    if (state == SealState::TrailerReadsAsXml)
        bytes.chop(2);
    else if (state != SealState::NotSealed)
        return report(in, state, bytes);
    const QByteArray sealed = sealDocument(bytes);
    if (sealed.isEmpty()) {
        std::fprintf(stderr,
                     "loomwork-seal: %s cannot be sealed (larger than a description may be, "
                     "or its text ends in an unfinished character)\n",
                     qPrintable(in));
        return NotXml;
    }
    return writeFile(out, sealed);
}

int check(const QString &path)
{
    QByteArray bytes;
    if (!readFile(path, bytes))
        return IoError;
    return report(path, stateOf(bytes), bytes);
}

int strip(const QString &in, const QString &out)
{
    QByteArray bytes;
    if (!readFile(in, bytes))
        return IoError;
    const SealState state = stateOf(bytes);
    if (state == SealState::NotXml)
        return report(in, state, bytes);
    if (state != SealState::NotSealed)
        bytes.chop(2);
    return writeFile(out, bytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.size() == 1 && (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        std::fputs(Usage, stdout);
        return Valid;
    }
    const QString command = args.value(0);
    if (args.size() == 2 && command == QLatin1String("check"))
        return check(args.at(1));
    if ((args.size() == 2 || args.size() == 3) && command == QLatin1String("seal"))
        return seal(args.at(1), args.value(2, args.at(1)));
    if ((args.size() == 2 || args.size() == 3) && command == QLatin1String("strip"))
        return strip(args.at(1), args.value(2, args.at(1)));
    std::fputs(Usage, stderr);
    return UsageError;
}
