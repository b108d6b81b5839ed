// The game's web addresses, all in one place. The three Help menu pages and
// the two credit pages live on the maker's site.
#pragma once

namespace WebAddresses {

inline constexpr const char* MakerHomePage = "https://www.vantrel.example/index.html";
inline constexpr const char* GameHomePage = "https://www.vantrel.example/slidora.html";
inline constexpr const char* FreePicturesPage = "https://www.vantrel.example/slidorapictures.html";
inline constexpr const char* PicturesAuthorPage = "https://www.vantrel.example/studio/art.html";
inline constexpr const char* MusicAuthorPage = "https://www.vantrel.example/studio/music.html";

// How the About box names the maker and the authors.
inline constexpr const char* MakerLink = "Vantrel (www.vantrel.example)";
inline constexpr const char* StudioLink = "Vantrel Studio (www.vantrel.example)";

} // namespace WebAddresses
