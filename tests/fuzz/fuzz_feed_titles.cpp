// Feed documents from servers the program does not control: the reader must
// refuse or read any bytes, within its bounds, without hanging.
#include "FuzzTarget.h"
#include "feeds/FeedReader.h"

TESSALY_FUZZ_TARGET(feed_titles) {
    ReadFeed(FuzzBytes(data, size));
    return 0;
}
