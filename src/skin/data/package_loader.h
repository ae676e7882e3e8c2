#pragma once
// From a CompressedSkin to a loaded SkinModel: decompress and index the package, find its INI
// description and load every element, the images coming from the package's bitmap entries.

#include <cstdint>
#include <vector>

#include "skin/data/model_loader.h"
#include "skin/package/bmp_image.h"
#include "skin/package/skin_reader.h"

namespace aw::skin {

// An ImageSource that loads image values from the package's entries with LoadEntryBitmap.
ImageSource PackageImageSource(const TSkinReader& reader);

// Loads the package and its description into `model`. Returns false, leaving `model` as it
// was, when the package does not load (unknown FormatTag, damaged data). A package without a
// description loads as a skin in which every key takes its default.
bool LoadSkinModelFromPackage(const std::vector<std::uint8_t>& compressedSkin, const LoadEnvironment& env,
                              ShowMessageFn showMessage, SkinModel& model);

}  // namespace aw::skin
