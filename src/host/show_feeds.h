// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string_view>

namespace lunvale::host {

// The first argument asks for the feeds as the saver would fetch them.
bool IsShowFeedsRequest(std::string_view argument1);

// `lunvale --show-feeds`: reads the stored settings, fetches the weather and the news once with the
// saver's own fetcher (the same client, proxy, time-outs and TLS) and writes to `out` what the gadgets
// would show, or why a download gave them nothing. No display is needed. Returns the exit status: 0
// when every feed of a gadget the settings show worked (both feeds when they show neither), else 1.
int ShowFeeds(std::FILE* out);

}  // namespace lunvale::host
