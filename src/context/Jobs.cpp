#include "context/Jobs.h"

#include <QCoreApplication>
#include <QThreadPool>

QThreadPool& JobThreads() {
    // Owned by the application object, which waits for the jobs still
    // running (they have been cancelled by then) when it goes; a process
    // without one (a tool, a test) keeps its pool to the end.
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        // A wallpaper change, a folder scan and a preparation at once, and
        // room for a cancelled job still winding down.
        pool->setMaxThreadCount(4);
        pool->setObjectName(QStringLiteral("jobs"));
    }
    return *pool;
}
