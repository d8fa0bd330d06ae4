// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunvale::dialog {

// The news channel directory: a list of categories and, for each, its channels with their feed
// addresses, asked for with two plain GETs and answered as marked-up text. The service the dialog
// was made for is gone, so a directory of current publishers' feeds is built in and answers the
// same two requests in the same format; a directory host named in the settings answers instead.

inline constexpr char kCategoryListPath[] = "/rssdir/category.php";
inline constexpr char kChannelListPath[] = "/rssdir/rsslist.php?category_id=";
// The id of the category list's own first entry ("Please wait...", then "User Defined"); never asked.
inline constexpr char kUserDefinedId[] = "0";

// The built-in directory's answer to a path and query of the service; nothing for any other path.
// An id it does not know gets an empty channel list.
std::optional<std::string> BuiltInDirectoryAnswer(std::string_view path_and_query);

// The pairs an answer lists, cut out as they stand (no decoding, no trimming): each "<item>" ...
// "</item>" gives the texts between `first` and `second`'s markers. Nothing unless the answer's first
// element is `root` followed by a blank. One result variable is shared by all the cuts, so an item
// lacking an element repeats what was cut last (the root's name for the very first).
struct DirectoryEntry {
  std::string first;
  std::string second;
};
std::vector<DirectoryEntry> ParseDirectoryAnswer(std::string_view answer, std::string_view root,
                                                 std::string_view first, std::string_view second);

// The answers' root elements and their items' elements.
inline constexpr char kCategoriesRoot[] = "categories";
inline constexpr char kChannelsRoot[] = "rsslist";

}  // namespace lunvale::dialog
