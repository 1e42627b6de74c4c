// Profile texts from the catalogue server: the category catalogue and the
// internet file list, read as the program reads its local copies of them.
#include "FuzzTarget.h"
#include "internet/Categories.h"
#include "settings/ByteInversion.h"
#include "settings/ProfileText.h"

TESSALY_FUZZ_TARGET(profile) {
    QByteArray bytes = FuzzBytes(data, size);
    // The parser alone, asked the way the catalogue is walked.
    const ProfileText text = ProfileText::parse(bytes);
    for (const char* section : {"info", "cat1", "CAT1", "cat2", "x"})
        for (const char* key : {"time", "name", "url1", "Url2", ""})
            if (const auto v = text.value(QString::fromUtf8(section), QString::fromUtf8(key)))
                if (v->isEmpty() || v->size() > 127) abort();

    // The local copies, byte-inverted on disk as the program keeps them.
    AppContext& a = FuzzApp();
    InvertBytes(bytes);
    FuzzFile(QStringLiteral("wpdlurls.tar"), bytes);
    FuzzFile(QStringLiteral("wpdlfiles.dat"), bytes);
    const CategoryList list = LoadIntCatz(a);
    if (a.settings.IntCoolDown < 0) abort();
    for (const Category& c : list.categories)
        if (c.name.isEmpty()) abort();
    for (const QString& address : ReadInternetFileList(a))
        if (address.isEmpty()) abort();
    ClearFuzzFolder();
    return 0;
}
