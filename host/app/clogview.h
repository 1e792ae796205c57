#ifndef CLOGVIEW_H
#define CLOGVIEW_H

#include <QPlainTextEdit>

// The communication log: one time-stamped line per message, errors marked
// as such. A message that repeats the line before it within a moment (the
// same failure reported by two layers) is shown once. The log can be saved
// to a text file.
class CLogView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CLogView(QWidget *parent = nullptr);

    // Appends text with the current time.
    void addMessage(const QString &text);
    // Appends an error: "Error: title: text".
    void addError(const QString &title, const QString &text);
    // Writes the whole log to fileName (UTF-8). False with *error set when
    // the file cannot be written.
    bool save(const QString &fileName, QString *error) const;
    // Asks for a file and saves the log there; a failure is shown.
    void saveWithDialog();

private:
    QString m_last;
    qint64 m_lastAt = 0;
};

#endif // CLOGVIEW_H
