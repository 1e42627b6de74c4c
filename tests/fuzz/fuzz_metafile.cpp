// Windows metafiles (WMF and EMF) played record by record: any record,
// any object table, any mapping must be drawn or refused without fault.
#include "FuzzTarget.h"
#include "compose/Metafile.h"

TESSALY_FUZZ_TARGET(metafile) {
    EnsureGuiApplication();
    const QByteArray bytes = FuzzBytes(data, size);
    if (!IsMetafileContent(bytes)) return 0;
    QSize native;
    QString error;
    if (!MetafileNativeSize(bytes, native, error)) return 0;
    QImage out;
    if (RenderMetafile(bytes, QSize(48, 32), out, error) && out.size() != QSize(48, 32)) abort();
    return 0;
}
