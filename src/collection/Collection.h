#pragma once

class AppContext;

// Rebuilds PictureList from the list file when `reloadList`, then arms or
// stops the change timer from WallpaperTimer.
void RefreshSettings(AppContext& app, bool reloadList);

// Changes the wallpaper once: the next picture of the list by the chosen
// technique (or the next internet picture).
void NextWallpaper(AppContext& app);
