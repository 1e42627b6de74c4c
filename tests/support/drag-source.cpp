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
public:
    explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls)) {
        setWindowTitle(QStringLiteral("drag source"));
        setGeometry(0, 0, 160, 120);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(m_urls);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction);
        std::printf(done == Qt::IgnoreAction ? "not dropped\n" : "dropped\n");
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_urls;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& path : app.arguments().mid(1))
        urls << QUrl::fromLocalFile(path);
    DragSource source(urls);
    source.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
