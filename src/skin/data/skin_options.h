#pragma once
// The switches a TSkinData component carries: which control kinds get skin painters, the
// behaviour options and how the component attaches to windows. Each set is stored as a bit
// mask whose bit numbers are the members' ordinals.

#include <cstdint>
#include <initializer_list>

namespace aw::skin {

enum TSkinControlType {
    xcMainMenu = 0,
    xcPopupMenu = 1,
    xcMenuItem = 2,
    xcToolbar = 3,
    xcControlbar = 4,
    xcCombo = 5,
    xcCheckBox = 6,
    xcRadioButton = 7,
    xcProgress = 8,
    xcScrollbar = 9,
    xcEdit = 10,
    xcButton = 11,
    xcBitBtn = 12,
    xcSpeedButton = 13,
    xcSpin = 14,
    xcPanel = 15,
    xcGroupBox = 16,
    xcStatusBar = 17,
    xcTab = 18,
    xcTrackBar = 19,
    xcSystemMenu = 20,
    xcFastReport = 21,
};
inline constexpr int kSkinControlTypeCount = 22;

enum TSkinOption {
    xoMDIScrollbar = 0,
    xoMenuMerge = 1,
    xoTransparent = 2,
    xoPreview = 3,
    xoParentBackGround = 4,
    xoNoFocusRect = 5,
    xoToolbarBK = 6,
    xoToolbarButton = 7,
    xoMDIChildBorder = 8,
    xoMenuBG = 9,
    xoCaptionButtonHint = 10,
    xoFormScrollbar = 11,
};
inline constexpr int kSkinOptionCount = 12;

enum TSkinFormType {
    sfMainform = 0,
    sfOnlyThisForm = 1,
    sfDialog = 2,
    sfDLL = 3,
};

// A set of enumeration members of at most 32 ordinals, stored as the bit mask a form keeps.
template <typename Member, int Count>
class SkinSet {
public:
    constexpr SkinSet() = default;
    constexpr SkinSet(std::initializer_list<Member> members)
    {
        for (Member m : members) Include(m);
    }
    static constexpr SkinSet FromBits(std::uint32_t bits)
    {
        SkinSet set;
        set.bits_ = bits & kAllBits;
        return set;
    }
    static constexpr SkinSet All() { return FromBits(kAllBits); }

    constexpr bool Contains(Member m) const { return (bits_ & Bit(m)) != 0; }
    constexpr void Include(Member m) { bits_ |= Bit(m); }
    constexpr void Exclude(Member m) { bits_ &= ~Bit(m); }
    constexpr SkinSet Without(Member m) const
    {
        SkinSet copy = *this;
        copy.Exclude(m);
        return copy;
    }
    constexpr std::uint32_t Bits() const { return bits_; }
    constexpr bool operator==(const SkinSet& other) const { return bits_ == other.bits_; }
    constexpr bool operator!=(const SkinSet& other) const { return bits_ != other.bits_; }

private:
    static constexpr std::uint32_t kAllBits = Count >= 32 ? 0xFFFFFFFFu : ((1u << Count) - 1u);
    static constexpr std::uint32_t Bit(Member m)
    {
        const int ordinal = static_cast<int>(m);
        return ordinal >= 0 && ordinal < Count ? (1u << ordinal) : 0u;
    }
    std::uint32_t bits_ = 0;
};

using SkinControlSet = SkinSet<TSkinControlType, kSkinControlTypeCount>;
using SkinOptionSet = SkinSet<TSkinOption, kSkinOptionCount>;

// Constructor defaults.
inline constexpr SkinControlSet kDefaultSkinControls = SkinControlSet::All().Without(xcMenuItem).Without(xcFastReport);
inline constexpr SkinOptionSet kDefaultSkinOptions{xoPreview, xoToolbarBK, xoCaptionButtonHint};

// What the program's main window stores.
inline constexpr SkinControlSet kMainWindowSkinControls = kDefaultSkinControls.Without(xcPanel);

// Member names in ordinal order, as the form data and the designer write them.
extern const char* const kSkinControlTypeNames[kSkinControlTypeCount];
extern const char* const kSkinOptionNames[kSkinOptionCount];
extern const char* const kSkinFormTypeNames[4];

// The control kinds after the component has been loaded on a platform with or without the
// scroll-bar information query, for a form type. The main form keeps either its menu-bar kind
// or its system-menu kind: with xcMainMenu set menu items are not skinned separately, without
// it the system menu is not either.
SkinControlSet ControlsAfterLoad(SkinControlSet controls, TSkinFormType formType, bool hasScrollBarInfo);

}  // namespace aw::skin
