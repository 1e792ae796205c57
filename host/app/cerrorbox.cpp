#include "cerrorbox.h"

#include "widgets/cmessagebox.h"

#include <QStringList>

CErrorBox::CErrorBox(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void CErrorBox::setUnattended(bool unattended)
{
    m_unattended = unattended;
}

void CErrorBox::show(const QString &title, const QString &text)
{
    if (m_box || m_unattended)
        return;
    m_box = new CMessageBox(CMessageBox::Critical, title, wrapped(text),
                            QPixmap(CMessageBox::iconPicture(CMessageBox::Critical)), QDialogButtonBox::Ok,
                            m_window, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    m_box->setAttribute(Qt::WA_DeleteOnClose);
    m_box->open();
}

QString CErrorBox::wrapped(const QString &text, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '))) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines << line;
                line.clear();
            }
            line += line.isEmpty() ? word : QLatin1Char(' ') + word;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}
