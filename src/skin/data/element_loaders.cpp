// Loading of the elements that come straight from one section of the description.

#include "platform/text.h"
#include "skin/data/loader_steps.h"
#include "skin/data/parse_colour.h"

namespace aw::skin {

namespace {

// A colour key: parsed when present, else `fallback`.
Colour ReadColour(const TQuickIni& ini, const std::string& section, const char* key, Colour fallback, bool* present)
{
    const std::string text = ini.ReadString(section, key, "");
    if (present) *present = !text.empty();
    return text.empty() ? fallback : ParseColour(text);
}

void ReadMargins(const TQuickIni& ini, const std::string& section, ElementFields& e)
{
    e.LeftWidth = ini.ReadInteger(section, "LeftWidth", 0);
    e.RightWidth = ini.ReadInteger(section, "RightWidth", 0);
    e.TopHeight = ini.ReadInteger(section, "TopHeight", 0);
    e.BottomHeight = ini.ReadInteger(section, "BottomHeight", 0);
}

void ReadStateColours(const TQuickIni& ini, const std::string& section, Colour buttonText, ElementFields& e)
{
    e.NormalColour = ini.ReadInteger(section, "NormalColour", kNoColour);
    e.MouseOverColour = ini.ReadInteger(section, "MouseOverColour", kNoColour);
    e.PressedColour = ini.ReadInteger(section, "PressedColour", kNoColour);
    e.NormalColour2 = ReadColour(ini, section, "NormalColour2", buttonText, nullptr);
    e.MouseOverColour2 = ReadColour(ini, section, "MouseOverColour2", buttonText, nullptr);
    e.PressedColour2 = ReadColour(ini, section, "PressedColour2", buttonText, nullptr);
}

template <typename Object>
std::unique_ptr<Object> NewElement(const LoadContext& ctx, const std::string& section, const char* imageKey)
{
    const std::string value = ctx.ini.ReadString(section, imageKey, "");
    if (value.empty()) return nullptr;
    auto element = std::make_unique<Object>();
    element->Name = section;
    // An image that is not in the package or does not decode leaves the element with an empty
    // image: the element still exists (a skin "has" it), and painters draw nothing from it.
    element->image = ctx.images(value);
    return element;
}

// The generic loader and its variants share everything but a few keys.
template <typename Object>
std::unique_ptr<Object> LoadImageElement(const LoadContext& ctx, const std::string& section, bool readFrame,
                                         Colour buttonText)
{
    auto e = NewElement<Object>(ctx, section, "Image");
    if (!e) return nullptr;
    e->Style = ctx.ini.ReadInteger(section, "Style", 0);
    ReadMargins(ctx.ini, section, *e);
    if (readFrame) e->FrameCount = ctx.ini.ReadInteger(section, "Frame", 0);
    e->Trans = ctx.ini.ReadInteger(section, "Trans", 0);
    e->Tile = ctx.ini.ReadInteger(section, "Tile", 0);
    ReadStateColours(ctx.ini, section, buttonText, *e);
    if (e->Tile > 1) e->Tile = 0;
    return e;
}

std::unique_ptr<SkinModel::Object> LoadProgress(const LoadContext& ctx, const std::string& section)
{
    auto e = NewElement<SkinModel::Border>(ctx, section, "Bitmap");
    if (!e) return nullptr;
    e->Style = ctx.ini.ReadInteger(section, "Style", 0);
    ReadMargins(ctx.ini, section, *e);
    e->Trans = ctx.ini.ReadInteger(section, "Trans", 0);
    e->Tile = ctx.ini.ReadInteger(section, "Tile", 0);
    if (e->Tile > 1) e->Tile = 1;
    return e;
}

std::unique_ptr<SkinModel::Object> LoadMenuBar(const LoadContext& ctx, const std::string& section)
{
    auto e = NewElement<SkinModel::Object>(ctx, section, "menuBar");
    if (!e) return nullptr;
    e->Name = "menuBar";
    e->Tile = ctx.ini.ReadInteger(section, "TileMenu", 1);
    e->LeftWidth = ctx.ini.ReadInteger(section, "TileLeftMenu", 1);
    e->RightWidth = ctx.ini.ReadInteger(section, "TileRightMenu", 1);
    if (e->Tile > 1) e->Tile = 1;
    return e;
}

}  // namespace

std::unique_ptr<SkinModel::Object> LoadSlotElement(const LoadContext& ctx, const ElementCatalogueRow& row,
                                                   Colour buttonText)
{
    const std::string section = row.section;
    switch (row.loader) {
    case ElementLoader::Image:
    case ElementLoader::ResourceFallback:
        return LoadImageElement<SkinModel::Object>(ctx, section, true, buttonText);
    case ElementLoader::TwoImage: {
        auto e = LoadImageElement<SkinModel::Border>(ctx, section, false, buttonText);
        if (e) {
            const std::string second = ctx.ini.ReadString(section, row.secondKey, "");
            if (!second.empty()) e->image2 = ctx.images(second);
        }
        return e;
    }
    case ElementLoader::Progress:
        return LoadProgress(ctx, section);
    case ElementLoader::GroupBox: {
        auto e = LoadImageElement<SkinModel::BoxLabel>(ctx, section, false, buttonText);
        if (e) {
            e->BackgroundAlignment = ctx.ini.ReadInteger(section, "BackgroundAlignment", 0);
            e->BackgroundLeftShift = ctx.ini.ReadInteger(section, "BackgroundLeftShift", 0);
            e->BackgroundRightShift = ctx.ini.ReadInteger(section, "BackgroundRightShift", 0);
        }
        return e;
    }
    case ElementLoader::MenuBar:
        return LoadMenuBar(ctx, section);
    case ElementLoader::Generated:
        break;
    }
    return nullptr;
}

void LoadFrameBorders(const LoadContext& ctx, SkinModel& model)
{
    const std::string section = "Personality";
    for (int side = 0; side < 4; ++side) {
        SkinModel::Border& b = model.borders[static_cast<std::size_t>(side)];
        const std::string name = kBorderNames[side];
        static_cast<ElementFields&>(b) = ElementFields{};
        b.Name = name;
        const std::int32_t first = ctx.ini.ReadInteger(section, name + "TopHeight", 0);
        const std::int32_t second = ctx.ini.ReadInteger(section, name + "BotHeight", 0);
        if (side == bsLeft || side == bsRight) {
            b.TopHeight = first;
            b.BottomHeight = second;
        } else {
            b.LeftWidth = first;
            b.RightWidth = second;
        }
        b.FrameCount = ctx.ini.ReadInteger(section, name + "Frame", 1);
        b.Tile = ctx.ini.ReadInteger(section, name + "Stretch", 1);
        if (b.Tile > 1) b.Tile = 1;
        b.Trans = ctx.ini.ReadInteger(section, name + "Trans", 1);
        const std::string value = ctx.ini.ReadString(section, name, "");
        b.image = value.empty() ? PixelImage{} : ctx.images(value);
        b.image2 = PixelImage{};
    }
}

void LoadTitle(const LoadContext& ctx, SkinModel& model)
{
    const std::string section = "Personality";
    SkinModel::Title& t = model.title;
    static_cast<ElementFields&>(t) = ElementFields{};
    static_cast<TitleFields&>(t) = TitleFields{};
    t.Name = "Title";
    const std::string value = ctx.ini.ReadString(section, "TextBack", "");
    t.image = value.empty() ? PixelImage{} : ctx.images(value);
    t.LeftWidth = ctx.ini.ReadInteger(section, "TextShift", 0);
    t.TopHeight = ctx.ini.ReadInteger(section, "TextShiftVert", 0);
    t.RightWidth = ctx.ini.ReadInteger(section, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = ctx.ini.ReadInteger(section, "TextAlignment", 0);
    t.Textbackground = ctx.ini.ReadInteger(section, "Textbackground", 0);
    t.TXTBackleft = ctx.ini.ReadInteger(section, "TXTBackleft", 0);
    t.TXTBackRight = ctx.ini.ReadInteger(section, "TXTBackRight", 0);
    t.FontHeight = ctx.ini.ReadInteger("Fonts", "FontHeight", 14);
    auto readRgb = [&](const char* prefix, Colour& out) {
        const std::string p = prefix;
        const std::int32_t r = ctx.ini.ReadInteger(section, p + "R", -1);
        const std::int32_t g = ctx.ini.ReadInteger(section, p + "G", -1);
        const std::int32_t b = ctx.ini.ReadInteger(section, p + "B", -1);
        if (r >= 0 && g >= 0 && b >= 0) out = Rgb(r, g, b);
    };
    readRgb("ActiveText", t.ActiveTextColour);
    readRgb("InActiveText", t.InactiveTextColour);
    t.FrameCount = kTitleFrames;
}

void LoadButtons(const LoadContext& ctx, const SkinColours& colours, SkinModel& model)
{
    const std::string section = "Buttons";
    SkinModel::Button& b = model.buttons;
    static_cast<ElementFields&>(b) = ElementFields{};
    static_cast<ButtonFields&>(b) = ButtonFields{};
    b.Name = section;
    ReadMargins(ctx.ini, section, b);
    b.Trans = ctx.ini.ReadInteger(section, "Trans", 0);
    b.Tile = ctx.ini.ReadInteger(section, "Tile", 0);
    auto image = [&](const char* key) {
        const std::string value = ctx.ini.ReadString(section, key, "");
        return value.empty() ? PixelImage{} : ctx.images(value);
    };
    b.image = image("Bitmap");
    b.checkImage = image("CheckButton");
    b.radioImage = image("RadioButton");
    b.NormalColour = ctx.ini.ReadInteger(section, "NormalColour", kNoColour);
    b.MouseOverColour = ctx.ini.ReadInteger(section, "MouseOverColour", kNoColour);
    b.PressedColour = ctx.ini.ReadInteger(section, "PressedColour", kNoColour);
    b.RadioButtonFrame = ctx.ini.ReadInteger(section, "RadioButtonFrame", 0);
    b.CheckButtonFrame = ctx.ini.ReadInteger(section, "CheckButtonFrame", 0);
    if (b.Tile > 1) b.Tile = 0;
    const Colour buttonText = colours[csButtonText];
    b.NormalColour2 = ReadColour(ctx.ini, section, "NormalColour2", buttonText, &b.HasNormalColour2);
    b.MouseOverColour2 = ReadColour(ctx.ini, section, "MouseOverColour2", buttonText, &b.HasMouseOverColour2);
    b.PressedColour2 = ReadColour(ctx.ini, section, "PressedColour2", buttonText, &b.HasPressedColour2);
}

void ApplyResourceFallbacks(const LoadContext& ctx, SkinModel& model)
{
    for (SkinSlot slot : {SkinSlot::Track, SkinSlot::TrackVert}) {
        auto& element = model.slots[static_cast<std::size_t>(slot)];
        if (element && !element->image.Empty()) continue;
        const char* section = CatalogueRow(slot).section;
        PixelImage image = ctx.env.resourceBitmap ? ctx.env.resourceBitmap(AsciiUpper(section)) : PixelImage{};
        if (image.Empty()) continue;
        element = std::make_unique<SkinModel::Object>();
        element->Name = section;
        element->image = std::move(image);
        element->SetMargins(Margins{3, 3, 3, 3});
        element->Tile = 0;
        element->FrameCount = 1;
    }
}

}  // namespace aw::skin
