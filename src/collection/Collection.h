#pragma once

// The picture collection (PictureList and how it is built from the list file)
// and the one next-wallpaper operation.
#include "collection/PictureCollection.h"
#include "collection/Selection.h"
