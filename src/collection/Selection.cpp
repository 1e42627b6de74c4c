#include "collection/Selection.h"

#include "compose/Compose.h"
#include "settings/AppContext.h"

#include <cmath>

namespace {

// The stored position as a whole number from 0 to `count`: a hand-edited
// value (negative, fractional, huge, not a number) cannot send the sequence
// through positions that hold no picture.
qsizetype StoredPosition(const AppContext& app, qsizetype count) {
    const double v = app.settings.CurWallPaper;
    if (!std::isfinite(v) || v < 1) return 0;
    if (v >= double(count)) return count;
    return qsizetype(std::floor(v));
}

// Loads entry `k` (from 1) into the source surface and composes it. A picture
// that does not load leaves the desktop and the source surface as they were.
void ShowEntry(AppContext& app, qsizetype k) {
    if (k < 1 || k > app.PictureList.size()) return;
    if (LoadSourcePicture(app, app.PictureList.at(k - 1))) ComposeWallpaper(app);
}

} // namespace

void SelectSequence(AppContext& app) {
    const qsizetype count = app.PictureList.size();
    if (count == 0) return;
    qsizetype k = StoredPosition(app, count) + 1;
    if (k > count) k = 1;
    app.settings.CurWallPaper = double(k);
    ShowEntry(app, k);
}

void SelectRandom(AppContext& app) {
    const qsizetype count = app.PictureList.size();
    if (count == 0) return;
    qsizetype k = 1;
    if (count > 1) {
        std::uniform_int_distribution<qsizetype> draw(1, count);
        do {
            k = draw(app.random);
        } while (double(k) == app.settings.CurWallPaper);
    }
    app.settings.CurWallPaper = double(k);
    ShowEntry(app, k);
}

void NextWallpaper(AppContext& app) {
    switch (app.settings.WPSource) {
    case 0:
    case 1: {
        if (!app.PictureList.isEmpty()) {
            if (app.settings.TechniqueTimer == 0)
                SelectRandom(app);
            else if (app.settings.TechniqueTimer == 1)
                SelectSequence(app);
        }
        if (app.settings.BubbleFileName) {
            // The chosen path; an empty bubble when there is no such entry.
            QString text;
            const double cur = app.settings.CurWallPaper;
            if (cur >= 1 && cur <= double(app.PictureList.size()) && cur == std::floor(cur))
                text = app.PictureList.at(qsizetype(cur) - 1);
            app.platform.notifier->showBubble(text, 5000, BubbleKind::FileName);
        }
        break;
    }
    case 2:
        if (app.internetNext) app.internetNext();
        break;
    default:
        break;
    }
}
