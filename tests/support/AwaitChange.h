#pragma once

// Waiting in a test for the wallpaper jobs, which run and report on their own.

#include "FakePlatform.h"
#include "collection/Collection.h"
#include "collection/WallpaperJobs.h"

#include <optional>

namespace await {

// Each wait handles events (by hand: a program ended in the same test has
// asked every event loop of this thread to quit) for at most a minute.
constexpr int kMaxWaitMs = 60'000;

// Starts a change with a report and waits until it has reported.
inline ChangeResult change(const std::function<void(QObject*, ChangeDone)>& start) {
    QObject context;
    std::optional<ChangeResult> result;
    start(&context, [&](const ChangeResult& r) { result = r; });
    waitUntil([&] { return result.has_value(); }, kMaxWaitMs);
    EXPECT_TRUE(result.has_value()) << "the change never reported";
    return result.value_or(ChangeResult{});
}

inline ChangeResult Next(AppContext& app) {
    return change([&](QObject* c, ChangeDone d) { NextWallpaper(app, c, std::move(d)); });
}
inline ChangeResult Show(AppContext& app, const QString& path,
                         std::optional<CompositionChoices> choices = std::nullopt) {
    return change([&](QObject* c, ChangeDone d) {
        ShowPictureAsWallpaper(app, path, choices, c, std::move(d));
    });
}
inline ChangeResult Recompose(AppContext& app) {
    return change([&](QObject* c, ChangeDone d) { RecomposeWallpaper(app, c, std::move(d)); });
}
inline ChangeResult ShowInternet(AppContext& app, const QByteArray& bytes,
                                 const QString& address = {}) {
    return change([&](QObject* c, ChangeDone d) {
        ShowInternetPictureAsWallpaper(app, bytes, std::nullopt, c, std::move(d), address);
    });
}
inline ChangeResult Previous(AppContext& app) {
    return change([&](QObject* c, ChangeDone d) { PreviousWallpaper(app, c, std::move(d)); });
}
inline SetAsWallpaperResult SetSelected(AppContext& app, const QString& folder, const QString& name,
                                        int index, const CompositionChoices& choices,
                                        QString* error = nullptr) {
    QObject context;
    std::optional<SetAsWallpaperResult> result;
    SetSelectedPictureAsWallpaper(app, folder, name, index, choices, &context,
                                  [&](SetAsWallpaperResult r, const QString& why) {
                                      result = r;
                                      if (error) *error = why;
                                  });
    waitUntil([&] { return result.has_value(); }, kMaxWaitMs);
    EXPECT_TRUE(result.has_value());
    return result.value_or(SetAsWallpaperResult::NothingSelected);
}

// Handles events until no change runs or waits and no list is being built
// (at most a minute); false when they never ended.
inline bool idle(AppContext& app) {
    return waitUntil(
        [&] { return !app.jobs || (!app.jobs->changing() && !app.jobs->rebuildingList()); },
        kMaxWaitMs);
}

// RefreshSettings, and waiting for the list it rebuilds.
inline void Refresh(AppContext& app, bool reloadList) {
    RefreshSettings(app, reloadList);
    EXPECT_TRUE(idle(app));
}

} // namespace await
