#pragma once

// The picture collection (PictureList and how it is built from the list file),
// the choice of the next picture and the one wallpaper change.
#include "collection/PictureCollection.h"
#include "collection/Selection.h"
#include "collection/WallpaperChange.h"
