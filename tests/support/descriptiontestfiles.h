#ifndef DESCRIPTIONTESTFILES_H
#define DESCRIPTIONTESTFILES_H

#include "description/cparameterdescription.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TestFiles {

// body with its checksum appended as it is, also to texts that are no XML.
inline QByteArray withTrailer(const QByteArray &body)
{
    const quint16 crc = crc16(body);
    return body + char(crc >> 8) + char(crc & 0xFF);
}

// body sealed as the seal tool does it; texts the library does not seal get their checksum all the same.
inline QByteArray sealed(const QByteArray &body)
{
    const QByteArray bytes = sealDocument(body);
    return bytes.isEmpty() ? withTrailer(body) : bytes;
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray project(const QByteArray &name, const QByteArray &order, const QByteArray &tableVersion = "500")
{
    return "<group name=\"QVR_PROJECT\"><value QVR_PROJECT_NAME=\"" + name + "\" QVR_PROJECT_ORDER_NUMBER=\"" + order
           + "\" QVR_PROJECT_SW_VERSION=\"1.07\" QVR_PROJECT_TABLE_VERSION=\"" + tableVersion + "\"/></group>\n";
}

inline QByteArray document(const QByteArray &content)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QVR>\n" + content + "</QVR>\n";
}

// A description that loads: project header plus content.
inline QByteArray description(const QByteArray &content = QByteArray())
{
    return document(project("PV 8120", "8120-0001") + content);
}

inline QByteArray object(const QByteArray &name, const QByteArray &content)
{
    return "<group name=\"QVR_OBJECT\"><value QVR_OBJECT_NAME=\"" + name + "\"/>" + content + "</group>\n";
}

inline QByteArray nested(int depth)
{
    return document(QByteArray("<group>").repeated(depth) + QByteArray("</group>").repeated(depth));
}

// 10^levels expansions of a four-letter entity.
inline QByteArray exponentialEntityBomb(int levels)
{
    QByteArray dtd = "<!DOCTYPE QVR [\n<!ENTITY e0 \"boom\">\n";
    for (int i = 1; i <= levels; ++i)
        dtd += "<!ENTITY e" + QByteArray::number(i) + " \"" + ("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    return "<?xml version=\"1.0\"?>\n" + dtd + "]>\n<QVR><value name=\"&e" + QByteArray::number(levels) + ";\"/></QVR>\n";
}

// One 4 KB entity referenced very often.
inline QByteArray quadraticEntityBomb(int references)
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE QVR [<!ENTITY a \"" + QByteArray(4096, 'a') + "\">]>\n<QVR><value name=\""
           + QByteArray("&a;").repeated(references) + "\"/></QVR>\n";
}

// A description whose plain trailer reads as XML, found by varying a padding attribute.
inline QByteArray bodyWithXmlTrailer()
{
    for (int pad = 0;; ++pad) {
        const QByteArray body = description("<value pad=\"" + QByteArray::number(pad) + "\"/>\n");
        if (isWellFormedXml(withTrailer(body)))
            return body;
    }
}

} // namespace TestFiles

#endif // DESCRIPTIONTESTFILES_H
