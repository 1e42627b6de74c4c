// Photo feeds from servers the program does not control: the reader must
// refuse or read any bytes, within its bounds, and give only http and https
// addresses.
#include "FuzzTarget.h"
#include "feeds/FeedReader.h"

#include <cstdlib>

TESSALY_FUZZ_TARGET(photo_feeds) {
    const PhotoFeedDocument doc =
        ReadPhotoFeed(FuzzBytes(data, size), QStringLiteral("https://127.0.0.1:8642/feeds/a.xml"));
    for (const QString& picture : doc.pictures)
        if (!picture.startsWith(QLatin1String("http://")) &&
            !picture.startsWith(QLatin1String("https://")))
            std::abort();
    if (doc.pictures.size() > kMaxFeedPictures) std::abort();
    return 0;
}
