// Category pages from a server the program does not control: the link scan
// must take any text.
#include "FuzzTarget.h"
#include "internet/DownloadClient.h"

TESSALY_FUZZ_TARGET(html_links) {
    const QString html = QString::fromUtf8(FuzzBytes(data, size));
    PictureLinksOfPage(html, QStringLiteral("http://127.0.0.1:8642/gallery/page.html"));
    return 0;
}
