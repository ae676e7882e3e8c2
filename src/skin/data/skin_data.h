#pragma once
// TSkinData: the component a form carries to be skinned. It holds the compressed skin, loads
// it into element objects over GDI bitmaps, and carries the switches that decide what gets
// skinned. The skinning code only reads it.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "skin/data/control_painter.h"
#include "skin/data/gdi_skin_model.h"
#include "skin/data/skin_manager_link.h"
#include "skin/data/skin_options.h"

namespace aw::skin {

using TOnFormSkin = std::function<void(TSkinData& sender, const std::string& name, bool& doSkin)>;
using TNotifyEvent = std::function<void(TSkinData& sender)>;
using TOnSkinForm = std::function<void(TSkinData& sender, HWND window, const std::string& name)>;
// Asked for every control about to be skinned: the form's window, the control's window and
// class name, and the painter the skin chose (null for none), which the handler may replace.
using TOnSkinControl = std::function<void(TSkinData& sender, HWND form, HWND control, const std::string& controlClass,
                                          std::unique_ptr<ControlPainter>& skinnedControl)>;

class TSkinData {
public:
    // Gives the process's skin manager, creating it when there is none; may give null while
    // no manager exists in the program, and the component then skins nothing.
    using ManagerAccess = std::function<SkinManagerLink*()>;

    static constexpr const char* kVersion = "1.0.0.0";
    static constexpr std::int32_t kDefaultDisableTag = 99;
    // The bitmap resource the menu glyphs come from, 16 x 16 each, white transparent.
    static constexpr const char* kMenuGlyphResource = "MENUGLYPHS";

    // `owner` is the window of the form carrying the component (null for none).
    explicit TSkinData(HWND owner = nullptr, ManagerAccess manager = nullptr, HINSTANCE resources = nullptr);
    ~TSkinData();
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // Published properties, in declaration order.
    bool Active() const { return Decoded().active_; }
    void SetActive(bool active);
    std::int32_t DisableTag = kDefaultDisableTag;
    SkinControlSet SkinControls = kDefaultSkinControls;
    SkinOptionSet Options = kDefaultSkinOptions;
    std::vector<std::string> Skin3rd;
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& path);
    // "(none)" at run time, whatever is held; assignments change nothing.
    std::string SkinStore() const { return "(none)"; }
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype() const { return formType_; }
    void SetSkinFormtype(TSkinFormType type) { formType_ = type; }
    std::string Version() const { return kVersion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate = true;
    bool MenuMerge = false;
    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm;
    TOnSkinForm OnAfterSkinForm;

    // The stored SkinStream property: reading it loads the skin at once; writing gives the
    // length and the bytes.
    void ReadSkinStream(const std::uint8_t* data, std::size_t size);
    std::vector<std::uint8_t> WriteSkinStream() const;
    const std::vector<std::uint8_t>& CompressedSkin() const { return compressed_; }

    // All properties have been read: register with the manager and start skinning.
    void Loaded();

    // Applies the held CompressedSkin; false when the package does not load.
    bool LoadSkinStream();

    // State the skinning code reads.
    // A stream read while the component loads is decoded the first time the skin is asked for
    // (at the latest when the windows are skinned, a moment after the main window shows), so
    // that a program's start does not wait for it.
    bool SkinReady() const { return !Decoded().noSkinReady_; }
    const std::string& SkinName() const { return Decoded().skin_.skinName; }
    const GdiSkinModel& Skin() const { return Decoded().skin_; }
    TDataSkinObject* Slot(SkinSlot slot) const { return Decoded().skin_.Slot(slot); }
    Colour SkinColour(ColourSlot slot) const { return Decoded().skin_.colours[slot]; }
    HBRUSH ButtonFaceBrush() const { return Decoded().buttonFaceBrush_.Get(); }
    HFONT CaptionFont() const { return captionFont_.Get(); }
    HBITMAP AppIconCopy() const { return appIcon_.Get(); }
    // Made the first time they are asked for: a program may never open a skinned menu or hover
    // a caption button, and both cost window-server work at start-up.
    HIMAGELIST MenuGlyphs();
    HWND HintWindow();
    SIZE MaximizedSize() const { return maximizedSize_; }
    HWND Owner() const { return owner_; }

    // Where the package reader's messages go (a message box unless replaced).
    void SetMessageSink(std::function<void(const std::string&)> sink) { showMessage_ = std::move(sink); }

    // A painter or a form's frame failed while drawing (`where` says which, `what` why). The
    // first few are written to the debugger's output; all are counted. The caller gives the
    // window its own look back, or leaves the frame as it is, and the program goes on.
    void ReportPaintFault(const std::string& where, const char* what);
    int PaintFaults() const { return paintFaults_; }

    // Re-reads the system caption font (done when the component is loaded).
    void RefreshCaptionFont();
    // Copies the owner window's small icon (else its big one) onto magenta.
    void MakeAppIconCopy();
    // The manager is going away: the component never calls into it again.
    void ManagerGone()
    {
        manager_ = nullptr;
        managerAccess_ = nullptr;
    }

private:
    struct WindowDeleter {
        void operator()(HWND window) const;
    };

    SkinManagerLink* Manager();
    // The component with a stream read during loading decoded, if it was not yet.
    const TSkinData& Decoded() const;
    bool DecodeHeldStream() const;
    void LoadMenuGlyphs();
    void CreateHintWindow();

    HWND owner_;
    std::function<void(const std::string&)> showMessage_;
    ManagerAccess managerAccess_;
    HINSTANCE resources_;
    SkinManagerLink* manager_ = nullptr;
    bool reading_ = true;  // until Loaded()
    mutable bool active_ = false;  // goes off when a skin decoded late does not load
    std::string skinFile_;
    TSkinFormType formType_ = sfMainform;

    std::vector<std::uint8_t> compressed_;
    int paintFaults_ = 0;
    // The decoded skin; filled on first use when the stream was read during loading.
    mutable bool decodePending_ = false;
    mutable bool noSkinReady_ = true;
    mutable GdiSkinModel skin_;
    mutable UniqueBrush buttonFaceBrush_;
    UniqueFont captionFont_;
    UniqueBitmap appIcon_;
    UniqueImageList menuGlyphs_;
    std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter> hintWindow_;
    SIZE maximizedSize_{};
};

}  // namespace aw::skin
