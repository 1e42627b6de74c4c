// The about box in-process on the offscreen platform: the version line, the
// licence, the links, and the announcement from the catalogue's "info"
// section, which is read without changing the stored catalogue.
#include "FakePlatform.h"
#include "options_window/AboutBox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

TEST(AboutBox, VersionLicenceLinksAndTheAnnouncementOfTheCatalogue) {
    TestApp t;
    {
        AboutBox box(*t.app);
        EXPECT_EQ(box.windowTitle(), "About");
        EXPECT_EQ(box.lblabout[0]->text(), "Tessaly  Version " TESSALY_VERSION);
        EXPECT_TRUE(QString(TESSALY_VERSION).contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
        EXPECT_TRUE(box.Text1->isReadOnly());
        EXPECT_TRUE(box.Text1->toPlainText().startsWith(
            "                    GNU GENERAL PUBLIC LICENSE\n                       Version 3"));
        // No catalogue: no announcement.
        EXPECT_TRUE(box.lblabout[6]->isHidden());
        emit box.lblabout[2]->linkActivated(box.tags[2]);
        emit box.lblabout[3]->linkActivated(box.tags[3]);
        EXPECT_EQ(t.shell->urls,
                  QStringList({"https://orvane.org/tessaly", "mailto:tessaly@orvane.org"}));
    }

    // The catalogue, the announcement's text (none: no announcement) and its
    // link (none: plain text).
    const std::tuple<QByteArray, QString, QString> rows[] = {
        // No info section, or one without text.
        {"[cat1]\r\nname=Garden\r\nurl1=http://x/g.html\r\n", {}, {}},
        {"[info]\r\ntime=60000\r\nurl=http://x/\r\n", {}, {}},
        // Text without a url, or with one that is no web address.
        {"[info]\r\ntext=  New pictures every week  \r\n", "New pictures every week", {}},
        {"[info]\r\ntext=Run me\r\nurl=file:///bin/sh\r\n", "Run me", {}},
        {"[INFO]\r\nText=Holiday <b>pictures</b>\r\nurl=https://x.example/new\r\n",
         "Holiday <b>pictures</b>", "https://x.example/new"},
    };
    for (const auto& [catalogue, text, link] : rows) {
        SCOPED_TRACE(catalogue.constData());
        const bool shown = !text.isEmpty();
        const QByteArray stored = writeInverted(t.app->paths.CataloguePath, catalogue);
        t.shell->urls.clear();
        QPointer<AboutBox> box = new AboutBox(*t.app);
        box->show();
        QLabel* announcement = box->lblabout[6];
        EXPECT_EQ(announcement->isVisible(), shown);
        if (shown && link.isEmpty()) {
            EXPECT_EQ(announcement->text(), text);
            EXPECT_EQ(announcement->textFormat(), Qt::PlainText);
            EXPECT_EQ(announcement->palette().color(QPalette::WindowText),
                      announcement->palette().color(QPalette::ButtonText));
            EXPECT_EQ(announcement->cursor().shape(), Qt::ArrowCursor);
            EXPECT_TRUE(box->tags[6].isEmpty());
        } else if (shown) {
            EXPECT_EQ(announcement->accessibleName(), text);
            EXPECT_TRUE(announcement->text().contains(text.toHtmlEscaped()))
                << "the catalogue's text is not mark-up";
            EXPECT_EQ(announcement->cursor().shape(), Qt::PointingHandCursor);
            emit announcement->linkActivated(box->tags[6]);
            EXPECT_EQ(t.shell->urls, QStringList{link});
        }
        // The stored catalogue is as it was, byte for byte.
        EXPECT_EQ(readFile(t.app->paths.CataloguePath), stored);
        box->cmdclose->click();
        EXPECT_TRUE(waitUntil([&] { return box.isNull(); }));
    }
}
