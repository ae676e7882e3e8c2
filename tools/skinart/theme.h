#pragma once
// Ashwarden's palette. Dark slate chrome (frame, title bar, menus, status bar) around a light,
// cool-grey client, with one restrained teal accent for focus, selection and progress. The
// client stays light on purpose: native controls and message boxes keep drawing their text
// in the system's dark text colour, which must stay legible on the face colour.
//
// The colours the skin description names (its [Colours] section and the text colours of
// elements) repeat values from here; keep the two in step.

#include "skin/draw/colour.h"

namespace aw::skinart::theme {

using aw::skin::Colour;
using aw::skin::Rgb;

// Chrome
constexpr Colour kOutline = Rgb(11, 15, 20);
constexpr Colour kFrame = Rgb(29, 36, 45);
constexpr Colour kFrameInner = Rgb(18, 23, 29);
constexpr Colour kTitleTop = Rgb(42, 51, 63);
constexpr Colour kTitleBottom = Rgb(29, 36, 45);
constexpr Colour kTitleSheen = Rgb(56, 67, 80);
constexpr Colour kFrameInactive = Rgb(45, 50, 57);
constexpr Colour kTitleInactiveTop = Rgb(52, 57, 64);
constexpr Colour kTitleInactiveBottom = Rgb(45, 50, 57);
constexpr Colour kOutlineInactive = Rgb(24, 27, 31);

constexpr Colour kAccent = Rgb(47, 181, 164);
constexpr Colour kAccentHot = Rgb(74, 205, 188);
constexpr Colour kAccentDeep = Rgb(31, 130, 118);
constexpr Colour kAccentWash = Rgb(222, 242, 239);
constexpr Colour kAccentInactive = Rgb(72, 84, 96);

constexpr Colour kGlyph = Rgb(205, 213, 221);
constexpr Colour kGlyphBright = Rgb(245, 248, 250);
constexpr Colour kGlyphDim = Rgb(104, 116, 128);
constexpr Colour kCaptionHover = Rgb(60, 72, 86);
constexpr Colour kCaptionPressed = Rgb(31, 130, 118);
constexpr Colour kCloseHover = Rgb(196, 66, 60);
constexpr Colour kClosePressed = Rgb(158, 48, 44);

constexpr Colour kTitleText = Rgb(230, 237, 243);
constexpr Colour kTitleTextInactive = Rgb(139, 150, 162);

// Menus and status bar
constexpr Colour kMenu = Rgb(37, 45, 55);
constexpr Colour kMenuBorder = Rgb(62, 74, 88);
constexpr Colour kMenuSelect = Rgb(31, 130, 118);
constexpr Colour kMenuSeparator = Rgb(60, 71, 84);
constexpr Colour kMenuText = Rgb(225, 231, 237);
constexpr Colour kStatus = Rgb(29, 36, 45);
constexpr Colour kStatusRaised = Rgb(38, 46, 56);
constexpr Colour kStatusLine = Rgb(14, 18, 23);
constexpr Colour kStatusDivider = Rgb(56, 67, 80);
constexpr Colour kStatusText = Rgb(201, 210, 218);

// Client
constexpr Colour kFace = Rgb(232, 235, 239);
constexpr Colour kText = Rgb(31, 41, 51);
constexpr Colour kTextSoft = Rgb(82, 96, 109);
constexpr Colour kShadow = Rgb(123, 135, 148);
constexpr Colour kDkShadow = Rgb(62, 76, 89);
constexpr Colour kLight = Rgb(245, 247, 249);
constexpr Colour kWhite = Rgb(255, 255, 255);

constexpr Colour kControlTop = Rgb(251, 252, 253);
constexpr Colour kControlBottom = Rgb(236, 239, 243);
constexpr Colour kControlBorder = Rgb(160, 170, 181);
constexpr Colour kControlHotTop = Rgb(255, 255, 255);
constexpr Colour kControlHotBottom = Rgb(232, 245, 243);
constexpr Colour kControlPressedTop = Rgb(212, 218, 225);
constexpr Colour kControlPressedBottom = Rgb(224, 229, 234);
constexpr Colour kControlPressedBorder = Rgb(112, 124, 137);
constexpr Colour kControlDisabled = Rgb(239, 241, 244);
constexpr Colour kControlDisabledBorder = Rgb(201, 207, 214);
constexpr Colour kGlyphDark = Rgb(74, 87, 101);
constexpr Colour kGlyphDisabled = Rgb(176, 184, 193);

constexpr Colour kChannel = Rgb(222, 227, 232);
constexpr Colour kChannelBorder = Rgb(194, 202, 211);
constexpr Colour kChannelDisabled = Rgb(236, 239, 242);
constexpr Colour kThumb = Rgb(160, 171, 183);
constexpr Colour kThumbHot = Rgb(124, 138, 153);
constexpr Colour kThumbGrip = Rgb(222, 228, 234);
constexpr Colour kPane = kFace;
constexpr Colour kPaneBorder = Rgb(172, 181, 191);
constexpr Colour kTabIdle = Rgb(218, 223, 229);
constexpr Colour kTabHot = Rgb(238, 241, 244);

}  // namespace aw::skinart::theme
