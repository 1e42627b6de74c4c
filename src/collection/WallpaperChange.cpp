#include "collection/WallpaperChange.h"

#include "collection/Selection.h"
#include "context/AppContext.h"
#include "settings/FileNames.h"

namespace {

// Marks a change as running for as long as it lives.
class ChangeRunning {
public:
    explicit ChangeRunning(AppContext& app) : m_app(app) { m_app.changing = true; }
    ~ChangeRunning() { m_app.changing = false; }
    ChangeRunning(const ChangeRunning&) = delete;
    ChangeRunning& operator=(const ChangeRunning&) = delete;

private:
    AppContext& m_app;
};

// Compose, write, set: the common end of every change.
ChangeResult composeWriteSet(AppContext& app, const SourcePicture& source,
                             const CompositionChoices& choices, const WatermarkFields& fields,
                             ChangeResult result) {
    const QImage canvas = ComposeWallpaper(source, CompositionInputsFor(app, choices, fields));
    if (canvas.isNull()) {
        result.status = ChangeResult::Status::ComposeFailed;
        return result;
    }
    if (!WriteWallpaperBitmap(canvas, app.paths.WallpaperBitmapPath, &result.error)) {
        result.status = ChangeResult::Status::WriteFailed;
        return result;
    }
    SetDesktopWallpaper(app, choices.position);
    result.status = ChangeResult::Status::Changed;
    return result;
}

} // namespace

CompositionChoices CompositionChoices::stored(const Settings& s) {
    return {s.WallPaperPosition, s.colors()};
}

CompositionInputs CompositionInputsFor(AppContext& app, const CompositionChoices& choices,
                                       const WatermarkFields& fields) {
    CompositionInputs in;
    in.filters = choices.filters;
    in.position = choices.position.mode;
    in.screen = app.screen ? app.screen() : PrimaryScreenInfo();
    in.desktopColor = app.platform.desktop->desktopColor();
    in.watermark = app.settings.watermark();
    in.fields = fields;
    return in;
}

ChangeResult ShowPictureAsWallpaper(AppContext& app, const QString& path,
                                    const CompositionChoices& choices) {
    ChangeResult result;
    result.picture = path;
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    ChangeRunning running(app);
    const QSize screen = (app.screen ? app.screen() : PrimaryScreenInfo()).size;
    SourcePicture source;
    if (!LoadPictureFor(path, choices.position.mode, screen, source, &result.error)) {
        result.status = ChangeResult::Status::LoadFailed;
        return result;
    }
    return composeWriteSet(app, source, choices, WatermarkFieldsForPicture(path), result);
}

ChangeResult ShowSourceAsWallpaper(AppContext& app, const SourcePicture& source,
                                   const CompositionChoices& choices,
                                   const WatermarkFields& fields) {
    ChangeResult result;
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    ChangeRunning running(app);
    return composeWriteSet(app, source, choices, fields, result);
}

ChangeResult NextWallpaper(AppContext& app) {
    ChangeResult result;
    if (app.changing) {
        result.status = ChangeResult::Status::Busy;
        return result;
    }
    if (app.settings.WPSource == WallpaperSource::Internet) {
        if (app.internetNext) app.internetNext();
        result.status = ChangeResult::Status::HandedOn;
        return result;
    }
    const qsizetype count = app.PictureList.size();
    if (count > 0) {
        const double current = app.settings.CurWallPaper;
        const qsizetype k = app.settings.TechniqueTimer == ChangeTechnique::Random
                                ? SelectRandom(count, current, app.random)
                                : SelectSequence(count, current);
        // The position moves before the picture loads: a picture that fails
        // is passed over by the next change.
        app.settings.CurWallPaper = double(k);
        result = ShowPictureAsWallpaper(app, app.PictureList.at(k - 1),
                                        CompositionChoices::stored(app.settings));
    }
    if (app.settings.BubbleFileName)
        app.platform.notifier->showBubble(app.currentPicture(), 5000, BubbleKind::FileName);
    return result;
}

void SetDesktopWallpaper(AppContext& app, const WallpaperPosition& position) {
    app.platform.desktop->setWallpaper(app.paths.WallpaperBitmapPath, position.text);
}

void ClearWallpaper(AppContext& app) {
    SetDesktopWallpaper(app, WallpaperPosition::of(PositionMode::Clear));
}

SetAsWallpaperResult SetSelectedPictureAsWallpaper(AppContext& app, const QString& folder,
                                                   const QString& fileName, int selectedIndex,
                                                   const CompositionChoices& choices,
                                                   QString* error) {
    if (selectedIndex < 0) return SetAsWallpaperResult::NothingSelected;
    const ChangeResult r = ShowPictureAsWallpaper(app, AddBackslash(folder) + fileName, choices);
    if (r.status == ChangeResult::Status::LoadFailed) {
        if (error) *error = r.error;
        return SetAsWallpaperResult::LoadFailed;
    }
    app.settings.CurWallPaper = selectedIndex + 1;
    if (!r.changed()) {
        if (error) *error = r.error;
        return SetAsWallpaperResult::ComposeFailed;
    }
    return SetAsWallpaperResult::Done;
}
