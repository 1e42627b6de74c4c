// The ".jpg" links of a category page, from one page holding every form.
#include "internet/DownloadClient.h"

#include <gtest/gtest.h>

TEST(PictureLinks, EveryLinkFormOfOneHostilePage) {
    const QString page = QStringLiteral(
        R"(<html><body>
<a href="pics/a.JPG">relative, any case</a>
<A HREF="HTTP://other.example/y.jpg">absolute, capitals</A>
<a href="https://secure.example/s.jpg">absolute https</a>
<a href="/root/r.jpg">root-relative</a>
<a href="../up/u.jpg">page-relative, up a folder</a>
<a href="b.jpeg">jpeg</a> <a href="c.png">png</a> <a href="d.gif">gif</a>
<a href='single.jpg'>single quotes</a>
<a class="x" href="attribute-between.jpg">another attribute first</a>
<a  href="two-spaces.jpg">two spaces</a>
<script>var s = '<a href="in-script.jpg">';</script>
<!-- <a href="in-comment.jpg"> -->
<a href="unclosed.jpg>never closed
<a href="after-the-unclosed-one.jpg">not reached</a>)");
    EXPECT_EQ(PictureLinksOfPage(page, "http://pictures.example/cats/index.html"),
              (QStringList{"http://pictures.example/cats/pics/a.JPG", "HTTP://other.example/y.jpg",
                           "https://secure.example/s.jpg", "http://pictures.example/root/r.jpg",
                           "http://pictures.example/up/u.jpg",
                           "http://pictures.example/cats/in-script.jpg",
                           "http://pictures.example/cats/in-comment.jpg"}));
    // A marker without a closing quote ends the scan.
    EXPECT_EQ(PictureLinksOfPage(R"(<a href="a.jpg"> <a href="b.jpg)", "http://h.example/"),
              QStringList{"http://h.example/a.jpg"});
    // From a category address ending in "/", a plain relative link is the
    // address followed by the link.
    EXPECT_EQ(PictureLinksOfPage(R"(<A HREF="pics/a.JPG">)", "http://h.example/cat/"),
              QStringList{"http://h.example/cat/pics/a.JPG"});
}
