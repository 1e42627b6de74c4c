// The watermark template as the user types it: fields, style marks, any
// characters, drawn at every spot on a small canvas.
#include "FuzzTarget.h"
#include "compose/Watermark.h"

TESSALY_FUZZ_TARGET(watermark) {
    if (size < 1 || size > 400) return 0; // longer texts only wrap more often
    EnsureGuiApplication();
    const int spot = data[0] % 7;
    const QString tmpl = QString::fromUtf8(FuzzBytes(data + 1, size - 1));
    WatermarkFields fields;
    fields.fullPath = QStringLiteral("/home/user/Pictures/my.holiday #fn <b>.jpg");
    fields.fileName = QStringLiteral("my.holiday #fn <b>.jpg");
    fields.baseName = QStringLiteral("my");
    fields.now = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58));
    fields.locale = QLocale(QLocale::German);
    PrepareWatermarkText(tmpl, fields);

    QImage image(160, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    WatermarkSurface surface(image, 96);
    surface.setFont(QStringLiteral("DejaVu Sans"), 7, data[0] & 8, data[0] & 16, data[0] & 32);
    DrawWatermark(tmpl, surface, spot, QRect(0, 0, 160, 90), fields);
    if (surface.bold() || surface.italic() || surface.underline()) abort();
    return 0;
}
