// The picture list file as a user's editor or a damaged disk may leave it:
// it must read without fault, and what is read must survive being written
// back and read again (the settings window's apply does exactly that).
#include "FuzzTarget.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

TESSALY_FUZZ_TARGET(picture_list) {
    const QString path = FuzzFile(QStringLiteral("WallPapersList.tsy"), FuzzBytes(data, size));
    const std::optional<PictureListData> list = ReadPictureListFile(path);
    if (!list) abort(); // a regular file always reads
    if (!WritePictureListFile(path, *list)) abort();
    const std::optional<PictureListData> again = ReadPictureListFile(path);
    if (!again || again->files.size() != list->files.size() || again->folders != list->folders)
        abort();
    for (qsizetype i = 0; i < list->files.size(); ++i)
        if (again->files[i].name != list->files[i].name ||
            again->files[i].folder != AddBackslash(list->files[i].folder))
            abort();
    ClearFuzzFolder();
    return 0;
}
