#include "skin/data/skin_data.h"

#include <fstream>
#include <iterator>

#include "platform/file_system.h"
#include "skin/data/optional_user32.h"
#include "skin/data/package_loader.h"
#include "skin/data/skin3rd.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/package/skin_reader.h"
#include "skin/package/skin_stream.h"

namespace aw::skin {

namespace {

constexpr int kSkinAllDelayMs = 250;

void ShowPackageMessage(const std::string& text)
{
    ::MessageBoxA(nullptr, text.c_str(), "", MB_OK | MB_TOPMOST);
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

HICON OwnerIcon(HWND owner)
{
    if (!owner) return nullptr;
    auto icon = reinterpret_cast<HICON>(::SendMessageA(owner, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(owner, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(::SendMessageA(owner, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(owner, GCLP_HICON));
    return icon;
}

}  // namespace

void TSkinData::WindowDeleter::operator()(HWND window) const { ::DestroyWindow(window); }

TSkinData::TSkinData(HWND owner, ManagerAccess manager, HINSTANCE resources)
    : Skin3rd(DefaultSkin3rdLines()),
      owner_(owner),
      showMessage_(ShowPackageMessage),
      managerAccess_(std::move(manager)),
      resources_(resources ? resources : ::GetModuleHandleA(nullptr)),
      maximizedSize_{::GetSystemMetrics(SM_CXMAXIMIZED), ::GetSystemMetrics(SM_CYMAXIMIZED)}
{
}

HIMAGELIST TSkinData::MenuGlyphs()
{
    if (!menuGlyphs_) LoadMenuGlyphs();
    return menuGlyphs_.Get();
}

HWND TSkinData::HintWindow()
{
    if (!hintWindow_) CreateHintWindow();
    return hintWindow_.get();
}

TSkinData::~TSkinData()
{
    if (manager_) manager_->UnregisterSkinData(*this);
}

SkinManagerLink* TSkinData::Manager()
{
    if (!manager_ && managerAccess_) manager_ = managerAccess_();
    return manager_;
}

void TSkinData::ReadSkinStream(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> compressed;
    ReadSkinStreamProperty(data, size, compressed);
    compressed_ = std::move(compressed);
    if (reading_) {
        // Decoded when first needed: see SkinReady.
        noSkinReady_ = true;
        decodePending_ = !compressed_.empty();
        return;
    }
    LoadSkinStream();
}

const TSkinData& TSkinData::Decoded() const
{
    if (decodePending_) {
        decodePending_ = false;
        // A skin that does not load is switched off, as loading it at once would have done.
        if (!DecodeHeldStream()) active_ = false;
    }
    return *this;
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const { return WriteSkinStreamProperty(compressed_); }

bool TSkinData::LoadSkinStream()
{
    decodePending_ = false;
    return DecodeHeldStream();
}

bool TSkinData::DecodeHeldStream() const
{
    noSkinReady_ = true;
    LoadEnvironment env;
    env.systemColour = PlatformSystemColour;
    env.hScrollWidth = ::GetSystemMetrics(SM_CXHSCROLL);
    const HINSTANCE module = resources_;
    env.resourceBitmap = [module](std::string_view name) { return ResourceBitmapPixels(module, std::string(name).c_str()); };

    SkinModel loaded;
    loaded.colours = skin_.colours;  // the reserved slots keep what they held
    if (compressed_.empty() || !LoadSkinModelFromPackage(compressed_, env, showMessage_, loaded)) return false;
    ConvertToGdi(loaded, skin_);
    buttonFaceBrush_.Reset(::CreateSolidBrush(ResolveColour(skin_.colours[csButtonFace])));
    noSkinReady_ = false;
    return true;
}

void TSkinData::Loaded()
{
    reading_ = false;
    if (!User32Extras().getScrollBarInfo) SkinControls.Exclude(xcScrollbar);
    SkinManagerLink* manager = Manager();
    if (manager) manager->RegisterSkinData(*this);
    RefreshCaptionFont();

    if (formType_ != sfMainform) {
        if (manager) {
            manager->SetSkinning(true);
            manager->SetActivityState(manager->ActivityState() + 1);
            if (owner_ && active_) manager->AttachForm(owner_);
        }
        return;
    }
    if (manager) manager->InstallHook();
    if (active_) {
        if (noSkinReady_ && !decodePending_)
            active_ = false;
        else if (manager)
            manager->Schedule(SkinOperation::SkinAll, *this, kSkinAllDelayMs);
    }
    SkinControls = ControlsAfterLoad(SkinControls, formType_, true);
    MakeAppIconCopy();
}

void TSkinData::SetActive(bool active)
{
    if (active_ == active) return;
    if (reading_) {
        active_ = active;
        return;
    }
    if (formType_ != sfMainform && formType_ != sfOnlyThisForm) {
        active_ = active;
        return;
    }
    // A skin that never loaded cannot be switched on.
    if (active && !SkinReady()) return;
    active_ = active;
    SkinManagerLink* manager = Manager();
    if (!manager) return;
    manager->Schedule(active ? SkinOperation::SkinAll : SkinOperation::UnskinAll, *this, kSkinAllDelayMs);
    if (active && formType_ == sfMainform) manager->SetActivityState(1);
}

void TSkinData::SetSkinFile(const std::string& path)
{
    skinFile_ = path;
    if (reading_ || path.empty() || !FileExists(path)) return;
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return;
    compressed_ = std::move(bytes);
    if (!LoadSkinStream()) {
        // The loaded skin is left as it was, and the windows go back to their own look.
        SetActive(false);
        return;
    }
    SkinManagerLink* manager = Manager();
    if (!manager) return;
    manager->ReloadForms(*this);
    if (manager->ActivityState() == 1) manager->Schedule(SkinOperation::Refresh, *this, kSkinAllDelayMs);
}

void TSkinData::ReportPaintFault(const std::string& where, const char* what)
{
    // Enough to tell what failed, without flooding the output when every repaint fails again.
    constexpr int kFaultsWritten = 8;
    if (++paintFaults_ > kFaultsWritten) return;
    const std::string line = "Ashwarden skin: " + where + " failed to draw: " + (what ? what : "unknown error") + "\n";
    ::OutputDebugStringA(line.c_str());
}

void TSkinData::RefreshCaptionFont()
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        // Systems before Vista know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof metrics.lfMessageFont;
        if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    }
    captionFont_.Reset(::CreateFontIndirectA(&metrics.lfCaptionFont));
}

void TSkinData::MakeAppIconCopy()
{
    const int width = ::GetSystemMetrics(SM_CXSMICON);
    const int height = ::GetSystemMetrics(SM_CYSMICON);
    UniqueBitmap copy = CreateBitmap32(PixelImage(width, height, kMagenta));
    if (!copy) return;
    if (const HICON icon = OwnerIcon(owner_)) {
        MemoryDC dc;
        SelectedObject selected(dc.Get(), copy.Get());
        if (selected.Ok()) ::DrawIconEx(dc.Get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    }
    appIcon_ = std::move(copy);
}

void TSkinData::LoadMenuGlyphs()
{
    menuGlyphs_.Reset(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 16));
    if (!menuGlyphs_ || !::FindResourceA(resources_, kMenuGlyphResource, MAKEINTRESOURCEA(2) /* RT_BITMAP */)) return;
    UniqueBitmap glyphs(static_cast<HBITMAP>(::LoadImageA(resources_, kMenuGlyphResource, IMAGE_BITMAP, 0, 0, 0)));
    if (glyphs) ::ImageList_AddMasked(menuGlyphs_.Get(), glyphs.Get(), RGB(255, 255, 255));
}

void TSkinData::CreateHintWindow()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    hintWindow_.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                        ::GetModuleHandleA(nullptr), nullptr));
}

}  // namespace aw::skin
