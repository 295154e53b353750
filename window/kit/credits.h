// Who made the program and where to reach them: the cover page and the About
// box show the same lines. The version comes from the build.
#pragma once

namespace zentova::credit {

inline constexpr char kWindowCaption[] = "Zentova " ZENTOVA_VERSION " — Zentova 开发组";
inline constexpr char kAboutVersion[] = "Zentova " ZENTOVA_VERSION " 版";
inline constexpr char kVersionLine[] = ZENTOVA_VERSION "版 最后更新于2002年6月27日";
inline constexpr char kAuthorLine[] = "作者：Zentova 开发组";
inline constexpr char kEmailLabel[] = "EMAIL:zentova@example.org";
inline constexpr char kEmailLink[] = "mailto:zentova@example.org";
inline constexpr char kHomePageLabel[] = "HOMEPAGE:https://zentova.example.org/";
inline constexpr char kHomePageLink[] = "https://zentova.example.org/";

}  // namespace zentova::credit

namespace zentova {
// The two links have the same identifiers on the cover page and in the box.
inline constexpr int kEmailLinkId = 1127;
inline constexpr int kHomePageLinkId = 1128;
}  // namespace zentova
