#pragma once

#include <span>

namespace daxo {

// One row of the caption table: a control of a window and its caption in
// French and English, the game's own; the other languages translate the
// English caption, in the context "Captions". A row without a control is the window's title; the row of
// the status bar stands for its six panels, which are computed from the
// score sheet rather than read from the table.
struct CaptionRow {
    // The English caption, the source of the catalogues' translations, and
    // where it stands, told to translators: "Daxo Command14".
    struct Source {
        const char* text;
        const char* comment;
    };
    const char* window;
    const char* control; // nullptr: the window's title
    const char* french;
    Source english;
    // The coach's windows are written only while they exist; created later,
    // they take the language in use by themselves.
    bool onlyWhileOpen = false;
};

inline constexpr const char* kStatusBar = "StatusBar1";

// Every caption the languages change, in the order they are written.
std::span<const CaptionRow> captionTable();

} // namespace daxo
