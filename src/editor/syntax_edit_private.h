#pragma once

// What the files SyntaxEdit is written in (syntax_edit*.cpp) share; no other code includes it.

// The gutter: line numbers (or a narrow strip) in one margin, bookmarks 0 to 9 in another.
constexpr int kLineNumberMargin = 0;
constexpr int kBookmarkMargin = 1;
constexpr int kBookmarkCount = 10;
constexpr int kBookmarkMask = (1 << kBookmarkCount) - 1;
