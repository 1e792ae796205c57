// frontshot: grabs the PV 8120 front panel to a PNG, for documentation and
// for checking the artwork by eye.
//
//   frontshot <out.png> [--text TEXT] [--led STATE] [--type TYPE] [--dseg] [--geometry]
//
// --geometry prints where the display, LED and keys sit in the 520 x 480
// frame, the coordinates the artwork is drawn to.
// --dseg maps the display font "7Segment" to the DSEG7 family of the
// fonts-dseg package; the front itself never carries a font.

#include "front/cpv8120front.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

namespace {

void printGeometry(const QWidget &front)
{
    const QWidget *frame = front.findChild<QWidget *>(QStringLiteral("frame"));
    QTextStream out(stdout);
    for (const char *name : {"l_led", "l_lcd", "pb_up", "pb_down"}) {
        const QWidget *child = front.findChild<QWidget *>(QLatin1String(name));
        const QRect box(child->mapTo(frame, QPoint(0, 0)), child->size());
        out << name << ' ' << box.x() << ',' << box.y() << ' ' << box.width() << 'x' << box.height()
            << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("out", "PNG file to write");
    parser.addOption({"text", "Display text.", "text"});
    parser.addOption({"led", "LED state 0..5.", "state"});
    parser.addOption({"type", "Device type 0..3.", "type"});
    parser.addOption({"dseg", "Show the display in the DSEG7 Classic font."});
    parser.addOption({"geometry", "Print the positions of display, LED and keys in the frame."});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    if (parser.isSet("dseg"))
        QFont::insertSubstitution(QStringLiteral("7Segment"), QStringLiteral("DSEG7 Classic"));

    CPV8120Front front;
    front.setButtonsEnabled(true);
    if (parser.isSet("text"))
        front.setDisplayText(parser.value("text"));
    if (parser.isSet("led"))
        front.setDisplayLed(parser.value("led").toInt());
    if (parser.isSet("type"))
        front.setDisplayType(parser.value("type").toInt());
    front.show();
    app.processEvents();
    if (parser.isSet("geometry"))
        printGeometry(front);
    return front.grab().save(parser.positionalArguments().constFirst(), "PNG") ? 0 : 1;
}
