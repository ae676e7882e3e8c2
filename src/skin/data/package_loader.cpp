#include "skin/data/package_loader.h"

#include <memory>
#include <string>

#include "skin/package/entry_bitmap.h"
#include "skin/package/memory_stream.h"

namespace aw::skin {

ImageSource PackageImageSource(const TSkinReader& reader)
{
    auto scratch = std::make_shared<MemoryStream>();
    return [&reader, scratch](std::string_view value) {
        PixelImage image;
        LoadEntryBitmap(image, value, reader, *scratch);
        return image;
    };
}

bool LoadSkinModelFromPackage(const std::vector<std::uint8_t>& compressedSkin, const LoadEnvironment& env,
                              ShowMessageFn showMessage, SkinModel& model)
{
    TSkinReader reader(std::move(showMessage));
    MemoryStream compressed(compressedSkin.data(), compressedSkin.size());
    if (!reader.LoadPackage(compressed)) return false;

    TQuickIni ini;
    MemoryStream description;
    std::string name;
    if (reader.ExtractEntryContaining(".ini", description, name)) {
        description.Rewind();
        ini.LoadFromStream(description);
    }
    LoadSkinModel(ini, PackageImageSource(reader), env, model);
    return true;
}

}  // namespace aw::skin
