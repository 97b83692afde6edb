#pragma once

namespace presslane::record_files {

// The names of the record files in the application folder. Each is a text file of lines whose
// fields are separated by "|"; the comment says what one line holds.

// Line 1: start page|popup flag (field 2 may be missing in files of older versions).
inline constexpr const char* kSettings = "lane_desk_setting.res";
// Line 1: the name of the channel played at start.
inline constexpr const char* kAutoPlayChannel = "lane_desk_setting_radio.res";
// Line 1: left|top|width|height of the main window's outer frame, in twips.
inline constexpr const char* kGeometry = "lane_desk_x_y_setting.res";
// One bookmark a line: name|address.
inline constexpr const char* kBookmarks = "bookmark.res";
// One scrap a line: date|title|address, in the order of saving.
inline constexpr const char* kScrapbook = "scrapbook.res";
// Line 1: the recipient|sender's name|sender's e-mail last typed into article mail.
inline constexpr const char* kMailInfo = "info.res";
// One channel a line: added date|name|address. The user's own list, the verified list fetched
// from the product server, and the scratch copy written while the user's list is rewritten.
inline constexpr const char* kChannels = "radiobook.res";
inline constexpr const char* kVerifiedChannels = "radiobook2.res";
inline constexpr const char* kChannelsScratch = "radiobook_backup.res";

// Line 1: the page size last chosen in the main window's browsers, in percent.
inline constexpr const char* kZoom = "lane_desk_zoom.res";

}  // namespace presslane::record_files
