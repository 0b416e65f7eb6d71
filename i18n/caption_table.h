#pragma once

#include <span>

namespace daxo {

// One row of the caption table: a control of a window and its caption in
// each language. A row without a control is the window's title; the row of
// the status bar stands for its six panels, which are computed from the
// score sheet rather than read from the table.
struct CaptionRow {
    const char* window;
    const char* control; // nullptr: the window's title
    const char* french;
    const char* english;
    // The coach's windows are written only while they exist; created later,
    // they take the language in use by themselves.
    bool onlyWhileOpen = false;
};

inline constexpr const char* kStatusBar = "StatusBar1";

// Every caption the languages change, in the order they are written.
std::span<const CaptionRow> captionTable();

} // namespace daxo
