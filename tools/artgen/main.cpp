// artgen: renders SVG artwork to PNG files at build time.
//
//   artgen <in.svg> <out.png> <width>x<height> [<in.svg> <out.png> <width>x<height> ...]
//
// Each picture is drawn at exactly the given size on a transparent
// background. Exit status 1 on a bad argument or an unreadable SVG.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool parseSize(const QString &text, QSize *size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    if (parts.size() == 2)
        *size = QSize(parts.at(0).toInt(&okWidth), parts.at(1).toInt(&okHeight));
    return okWidth && okHeight && !size->isEmpty();
}

bool render(const QString &source, const QString &target, const QSize &size)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return false;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();
    return image.save(target, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    // Text in the artwork needs the font database, hence a GUI application;
    // it runs on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty() || args.size() % 3 != 0) {
        err << "usage: artgen <in.svg> <out.png> <width>x<height> ...\n";
        return 1;
    }
    for (int i = 0; i < args.size(); i += 3) {
        QSize size;
        if (!parseSize(args.at(i + 2), &size) || !render(args.at(i), args.at(i + 1), size)) {
            err << "artgen: cannot render " << args.at(i) << " to " << args.at(i + 1) << '\n';
            return 1;
        }
    }
    return 0;
}
