// A window to drag files from, as from a file manager: a press of the mouse
// button on it starts a drag of the paths given on the command line as
// text/uri-list. It sits at the top left corner of the screen, titled
// "drag source", and prints "dropped" or "not dropped" when a drag ends.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>

class DragSource : public QWidget {
    void mousePressEvent(QMouseEvent*) override {
        QList<QUrl> urls;
        for (const QString& path : QApplication::arguments().mid(1))
            urls << QUrl::fromLocalFile(path);
        auto* data = new QMimeData;
        data->setUrls(urls);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        std::printf(drag->exec(Qt::CopyAction) == Qt::IgnoreAction ? "not dropped\n" : "dropped\n");
        std::fflush(stdout);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DragSource source;
    source.setWindowTitle(QStringLiteral("drag source"));
    source.setGeometry(0, 0, 160, 120);
    source.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
