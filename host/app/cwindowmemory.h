#ifndef CWINDOWMEMORY_H
#define CWINDOWMEMORY_H

class QMainWindow;
class QSplitter;

// Remembers a main window between runs (CHostSettings): its geometry, its
// docks and tool bars, and the splitter between tree and front. Without a
// remembered geometry the window fills a usual screen, never more than the
// screen has.
class CWindowMemory
{
public:
    // splitter may be null (nothing to remember for it yet).
    static void save(const QMainWindow &window, const QSplitter *splitter);
    static void restore(QMainWindow &window);
    static void restoreSplitter(QSplitter &splitter);
};

#endif // CWINDOWMEMORY_H
