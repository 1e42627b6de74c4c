#pragma once

// Feed documents of each kind the reader knows, and hostile ones, shared by
// the feed tests and the settings window's News Bar tests.
#include <QByteArray>

inline QByteArray Rss2(const QByteArray& title, const QByteArray& headline,
                       const QByteArray& link = "https://news.example/1") {
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<rss version=\"2.0\" xmlns:media=\"http://search.yahoo.com/mrss/\">\n"
                      "<channel><title>{title}</title><link>https://news.example/</link>\n"
                      "<item><media:title>not a headline</media:title><title>{headline}</title>"
                      "<link>{link}</link></item>\n"
                      "<item><title><![CDATA[Second <b>one</b>]]></title>"
                      "<guid>https://news.example/2</guid></item>\n"
                      "</channel></rss>\n")
        .replace("{link}", link)
        .replace("{headline}", headline)
        .replace("{title}", title);
}

inline const QByteArray kRss1 =
    "<?xml version=\"1.0\"?>\n"
    "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"\n"
    "         xmlns=\"http://purl.org/rss/1.0/\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
    "<channel rdf:about=\"https://rdf.example/\"><dc:title>not the title</dc:title>"
    "<title>RDF News</title><link>https://rdf.example/</link></channel>\n"
    "<item rdf:about=\"https://rdf.example/a\"><title>Item A</title>"
    "<link>https://rdf.example/a</link></item>\n"
    "</rdf:RDF>\n";

inline const QByteArray kAtom =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<feed xmlns=\"http://www.w3.org/2005/Atom\">\n"
    "<title type=\"html\">Atom &lt;i&gt;Log&lt;/i&gt; &amp;amp; more</title>\n"
    "<link rel=\"self\" href=\"https://atom.example/feed\"/><link "
    "href=\"https://atom.example/\"/>\n"
    "<entry><title>Entry one</title><link rel=\"edit\" href=\"/edit\"/>"
    "<link rel=\"alternate\" href=\"/one\"/></entry>\n"
    "</feed>\n";

// Ten levels of ten entities each: a billion "lol"s once expanded.
inline QByteArray BillionLaughs() {
    QByteArray d = "<?xml version=\"1.0\"?>\n<!DOCTYPE rss [\n<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i < 10; ++i) {
        d += "<!ENTITY lol" + QByteArray::number(i) + " \"";
        for (int j = 0; j < 10; ++j)
            d += "&lol" + QByteArray::number(i - 1) + ";";
        d += "\">\n";
    }
    return d + "]>\n<rss><channel><title>&lol9;</title></channel></rss>\n";
}

// A feed whose title alone has `bytes` characters.
inline QByteArray HugeTitle(qsizetype bytes) {
    return "<rss><channel><title>" + QByteArray(bytes, 'A') + "</title></channel></rss>";
}

// Photo feeds shaped like the public ones, with made-up content. Each names
// its pictures from `base` (an address ending in a slash), put in for {base}.
// RSS 2.0 with enclosures: a picture, a sound (not a picture), and an item
// that only links to the page about its picture.
inline QByteArray PhotoRss(const QByteArray& base, const QByteArray& title = "Daily Lake Photo") {
    return QByteArray(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<rss version=\"2.0\"><channel><title>{title}</title>"
               "<link>https://lake.example/</link>\n"
               "<item><title>Monday</title><link>https://lake.example/mon.html</link>"
               "<enclosure url=\"{base}mon.jpg\" length=\"1234\" type=\"image/jpeg\"/></item>\n"
               "<item><title>Podcast</title><enclosure url=\"{base}talk.mp3\" "
               "type=\"audio/mpeg\"/></item>\n"
               "<item><title>Tuesday page</title><link>{base}tue.html</link></item>\n"
               "</channel></rss>\n")
        .replace("{title}", title)
        .replace("{base}", base);
}

// Media RSS: a group of three sizes (the widest wins), a lone content given
// by type and by a relative address, a video, and a content of the channel.
inline QByteArray PhotoMediaRss(const QByteArray& base) {
    return QByteArray(
               "<?xml version=\"1.0\"?>\n"
               "<rss version=\"2.0\" xmlns:media=\"http://search.yahoo.com/mrss/\"><channel>"
               "<title>Harbour Shots</title><media:content url=\"{base}logo.png\" "
               "medium=\"image\"/>\n"
               "<item><title>Boats</title><media:group>"
               "<media:content url=\"{base}boats-s.jpg\" medium=\"image\" width=\"320\"/>"
               "<media:content url=\"{base}boats-l.jpg\" medium=\"image\" width=\"1920\"/>"
               "<media:content url=\"{base}boats-m.jpg\" medium=\"image\" width=\"800\"/>"
               "</media:group></item>\n"
               "<item><title>Crane</title><media:content url=\"crane.png\" type=\"image/png\"/>"
               "<media:thumbnail url=\"{base}crane-t.jpg\"/></item>\n"
               "<item><title>Film</title><media:content url=\"{base}film.mp4\" medium=\"video\" "
               "type=\"video/mp4\"/></item>\n"
               "<item><title>Odd</title><media:content url=\"ftp://harbour.example/x.jpg\" "
               "medium=\"image\"/></item>\n"
               "</channel></rss>\n")
        .replace("{base}", base);
}

// Atom with enclosure links: a picture by type, one by its extension, and an
// entry whose only link is its page.
inline QByteArray PhotoAtom(const QByteArray& base) {
    return QByteArray(
               "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
               "<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>Forest Log</title>\n"
               "<entry><title>Oak</title><link rel=\"alternate\" href=\"/oak\"/>"
               "<link rel=\"enclosure\" type=\"image/jpeg\" href=\"{base}oak.jpg\"/></entry>\n"
               "<entry><title>Fern</title><link rel=\"enclosure\" href=\"{base}fern.JPEG\"/>"
               "</entry>\n"
               "<entry><title>Moss</title><link rel=\"alternate\" href=\"{base}moss.jpg\"/>"
               "</entry>\n</feed>\n")
        .replace("{base}", base);
}
